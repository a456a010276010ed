#include "tests/support/EndToEndGame.h"

#include "app/GameFrameServices.h"
#include "app/GameParts.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/MainWindow.h"
#include "engine/platform/Settings.h"
#include "game/state/GameInfo.h"
#include "gui/ScreenImpl.h"
#include "tests/support/GlTestContext.h"

#include <cstdlib>

namespace testing_support {

std::string WindowedGameSettings(const std::string& title, bool highCharacters)
{
    return "path = .\n"
           "useFullscreenAtFirst = false\n"
           "useScreensaver = false\n"
           "screensaver = saver.scr\n"
           "useExternalScreensaver = false\n"
           "splashes = 1\n"
           "png = true\n"
           "jpegPairs = false\n"
           "firstStart = false\n"
           "logInGameFolder = true\n"
           "clearLog = true\n"
           "gameInfoVersion = 1\n"
           "title = " +
           title + "\n" + "highCharacters = " + (highCharacters ? "true" : "false") + "\n";
}

EndToEndGame::EndToEndGame(const std::string& title, bool highCharacters)
{
    WriteTextFile(File("settings.ini"), WindowedGameSettings(title, highCharacters));
    WriteTextFile(File("start.lua"), "ShowWindowIfNoSplashes()\n");
    WriteTextFile(File("KeyMap.xml"), "<KeyMap />\n");
    WriteTextFile(File("Artefact.xml"), "<Artefacts />\n");
}

EndToEndGame::~EndToEndGame()
{
    Stop();
}

::testing::AssertionResult EndToEndGame::Start()
{
    _inFolder = std::make_unique<ScopedCurrentDir>(Path());
    g_settings = ReadSettingsFile("settings.ini");
    gameInfo._numOfSplashes = 0;
    OpenLogFile(File("log.htm"), true);
    _parts = std::make_unique<GameParts>();
    _app = std::make_unique<Application>(false, std::make_unique<GameFrameServices>(), Timer(), _parts.get());
    _app->Start();
    if (!_app->mainWindow || !_app->mainWindow->IsCreated())
        return ::testing::AssertionFailure() << "the program's window was not created";
    return ::testing::AssertionSuccess();
}

void EndToEndGame::Stop()
{
    if (_app && _app->mainWindow && _app->mainWindow->IsCreated() &&
        (::testing::Test::HasFailure() || std::getenv("VELMORA_SAVE_PICTURES")))
        SaveScreenPicture(TestPicturePath());
    Screen.ClearLayers();
    _app.reset();
    _inFolder.reset();
}

} // namespace testing_support
