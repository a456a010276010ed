// Every engine service is one object with static storage, built here in one
// fixed order before main runs and destroyed in reverse after it returns.
// Services that arrive later take their numbered place in this list; the log
// (10) outlives every service built after it, so its footer is written once
// they have gone.

#include "engine/platform/CustomCursor.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/InputState.h"
#include "engine/platform/LogoWidget.h"
#include "engine/platform/Settings.h"
#include "engine/platform/StartUp.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/render/VertexBatch.h"
#include "engine/resources/ResourceManager.h"
#include "engine/sound/SoundSystemImpl.h"
#include "game/screens/MenuIdleController.h"
#include "game/screens/MenuScene.h"
#include "game/screens/ParticleTestController.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/CountryNames.h"
#include "gui/controllers/ControllerManager.h"
#include "game/state/GameInfo.h"
#include "gui/GUIManager.h"
#include "gui/InputMap.h"
#include "gui/Message.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleManager.h"
#include "gui/ScreenImpl.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerFactory.h"
#include "gui/widgets/ListBoxTipBlink.h"
#include "gui/widgets/Tooltip.h"

#include <string>

// 1. Splash image paths.
const std::string g_splashPaths[2] = {"..\\fsdata\\splash2.jpg", "..\\fsdata\\splash1.jpg"};
// 2. Custom cursor.
CustomCursor g_customCursor;
// 3. Artefact catalogue.
ArtefactCatalogue g_artefacts;
// 4. Controller manager ("kernel").
Core::ControllerManager kernel;
// 5. Input map.
InputMap g_inputWidgets;
// 6. Message queue.
MessageQueue g_messageQueue;
// 7. Resource manager.
ResourceManager g_resourceManager;
// 8. Screen ("Screen").
Core::ScreenImpl Screen;
// 9. Effect observer.
EffectObserver g_effectObserver;
// 10. The log.
HtmlLog g_log;
// 11. Controller factory ("controlFactory").
ControllerFactory controlFactory;
// 12. Widget factory.
WidgetFactory g_widgetFactory;
// 13. Game state ("gameInfo").
GameInfo gameInfo;
// 14. GUI manager ("GUI").
Core::GUIManager GUI;
// 15. Country names, in stage order.
const std::string g_countryNames[7] = {"Phoenicia", "Babylon", "Egypt", "Carthage", "Rome", "Greece", "Troy"};
// 16. Particle library.
ParticleManager g_particleManager;
// The main menu's scene and idle controller (the controller draws its random
// start at construction and clears the scene's gem flags), and the particle
// test's controller: process-wide screen objects of the menu.
MenuScene g_menuScene;
MenuIdleController g_menuIdleController(g_menuScene);
ParticleTestController g_particleTestController;
// 17. Render device (no GL until Init), and the shared batches it fills.
RenderDevice g_renderDevice;
VertexBatch g_quadBatch;
VertexBatch g_particleBatch;
// 18. Sound system ("Sound").
Sound::SoundSystemImpl g_sound;
// 19. Window title.
std::string g_windowTitle;
// 20. Application-data folder.
std::string g_appDataFolder;
// 21. Product title, the default of settings line 13.
const std::string g_productTitle = "Velmora Ascendant";
// 22. Exit action target.
std::string g_exitTarget;

// Plain data.
Settings g_settings;
UpdatableLogo* g_logoWidget = nullptr;
InputState g_input(&g_inputWidgets);
CustomCursor* g_cursor = nullptr;
unsigned char* g_pixelBuffer = nullptr;
unsigned char* g_scratchBuffer = nullptr;
Sprite* g_splashSprite = nullptr;
Sprite* g_tooltipFramePicture = nullptr;
Sprite* g_tooltipArrowPicture = nullptr;
ListBoxTipBlink* g_listBoxTipBlink = nullptr;
