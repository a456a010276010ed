// Bad input through the real game: each case starts the program on its own
// copy of the game folder the build assembles, with a good save in a fresh
// save folder, after one file was spoilt (cut short, emptied, filled with
// binary garbage, blown up to 50 MB, edited, deleted) or the save folder
// made read-only or full. The game must either keep running or stop with a
// message that names the file, never crash, and never replace a good save
// by a poorer one: after the run and its two saves, the profiles of the
// good save are still there.

#include "engine/platform/PlayerMessage.h"
#include "engine/platform/StartUp.h"
#include "engine/script/ScriptHost.h"
#include "game/board/GameField.h"
#include "game/state/GameInfo.h"
#include "game/state/GameInfoFile.h"
#include "game/state/LevelMapFile.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "tests/e2e/GameFolderTest.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cctype>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <sched.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kHugeSize = 50u * 1024u * 1024u;

// The profile whose progress every case guards: Babylon, level 6.
const char kAnn[] = "Ann";
const char kAnnProgress[] = "2/6 of 2/6";

// ------------------------------------------------------------ the files

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A fresh file: a hard link of the shared copy is never written through.
void WriteBytes(const std::string& path, const std::string& bytes)
{
    fs::remove(path);
    std::ofstream(path, std::ios::binary) << bytes;
}

// The game folder with its pictures and sounds linked (they are only read)
// and every other file copied.
void CopyGameFolder(const fs::path& from, const fs::path& to)
{
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from)) {
        const fs::path target = to / fs::relative(entry.path(), from);
        if (entry.is_directory()) {
            fs::create_directories(target);
            continue;
        }
        std::string ext = entry.path().extension().string();
        for (char& ch : ext)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        const bool media = ext == ".png" || ext == ".jpg" || ext == ".tga" || ext == ".wav" || ext == ".ogg";
        std::error_code linked;
        if (media)
            fs::create_hard_link(entry.path(), target, linked);
        if (!media || linked)
            fs::copy_file(entry.path(), target);
    }
}

std::string Truncated(const std::string& bytes)
{
    return bytes.substr(0, bytes.size() / 2);
}

std::string Garbage(std::size_t size = 4096)
{
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    return bytes;
}

// The file as it was, followed by blank lines that bring it to 50 MB.
std::string Huge(const std::string& bytes)
{
    std::string out = bytes;
    out.append(kHugeSize - out.size(), '\n');
    return out;
}

// ------------------------------------------------------------ the saves

GameInfoContents GoodContents(const std::vector<LevelMapStage>& stages)
{
    GameInfoContents contents;
    Player ann(kAnn);
    ann.stage = ann.maxStage = 2;
    ann.level = ann.maxLevel = 6;
    ann.score = 4321;
    ann.uid = 4242;
    ann.levelInfos.assign(stages.size(), {});
    for (std::size_t s = 0; s < stages.size(); ++s)
        ann.levelInfos[s].resize(stages[s].levels.size());
    contents.players.insert({ann.name, ann});
    Player bo("Bo");
    bo.uid = 77;
    contents.players.insert({bo.name, bo});
    contents.activePlayer = kAnn;
    contents.hiScores = {{"Ann", 4321, 1, 4242}, {"Hanno", 1000, 1, 0}};
    return contents;
}

std::string Print(const TiXmlDocument& document)
{
    TiXmlPrinter printer;
    printer.SetIndent("\t");
    document.Accept(&printer);
    return printer.Str();
}

std::string SaveText(const GameInfoContents& contents, const std::vector<LevelMapStage>& stages, int version = 1)
{
    TiXmlDocument document;
    WriteGameInfoDocument(contents, version, stages, document);
    return Print(document);
}

const TiXmlElement* Profile(const TiXmlDocument& document, const char* name)
{
    const TiXmlElement* root = document.RootElement();
    const TiXmlElement* profiles = root ? root->FirstChildElement("Profiles") : nullptr;
    for (const TiXmlElement* p = profiles ? profiles->FirstChildElement("Player") : nullptr; p;
         p = p->NextSiblingElement("Player"))
        if (p->Attribute("name") && std::string(p->Attribute("name")) == name)
            return p;
    return nullptr;
}

// "stage/level of maxStage/maxLevel" of the profile in a save file, or why
// there is none.
std::string ProgressIn(const std::string& path, const char* name = kAnn)
{
    if (!PathExists(path))
        return "no file";
    TiXmlDocument document;
    document.Parse(ReadBytes(path).c_str());
    if (document.Error())
        return "unreadable";
    const TiXmlElement* p = Profile(document, name);
    if (!p)
        return "no profile";
    auto at = [p](const char* attribute) {
        const char* value = p->Attribute(attribute);
        return std::string(value ? value : "?");
    };
    return at("stage") + "/" + at("level") + " of " + at("maxStage") + "/" + at("maxLevel");
}

int HiScoresIn(const std::string& path)
{
    TiXmlDocument document;
    document.Parse(ReadBytes(path).c_str());
    const TiXmlElement* root = document.RootElement();
    const TiXmlElement* table = root ? root->FirstChildElement("HiScores") : nullptr;
    int count = 0;
    for (const TiXmlElement* e = table ? table->FirstChildElement("HiScoresElem") : nullptr; e;
         e = e->NextSiblingElement("HiScoresElem"))
        ++count;
    return count;
}

// ------------------------------------------------------------ the cases

// How far the case drives the game once it runs.
enum class Drive {
    kMenu,  // past the splash to the main menu
    kLevel, // on to the active profile's level, as the map's button starts it
};

// What the case expects of the start.
enum class Start {
    kRuns,
    kStops, // the player is told why, naming the file
};

// What the level's board does (kLevel only).
enum class Board {
    kPlays,     // chips dropped in
    kStaysIdle, // empty, never won nor lost; the profile stays where it was
};

// What the save folder holds after the run.
enum class Saves {
    kKept,          // GameInfo.xml holds the good save's profiles
    kRestored,      // the damaged file lies aside as .broken, the good backup
                    // came back: live file and backup hold its profiles
    kDefaultBroken, // no good copy was left: the default copy runs, the
                    // damaged file lies aside as .broken, byte for byte
    kOlderAsBackup, // an older save gave way to the default copy and stays
                    // as the backup
    kUntouched,     // nothing could be written: the good save is as it was
};

class BadInput;
using Spoil = void (*)(BadInput&);

struct BadInputCase {
    const char* name;
    Spoil spoil;
    Start start;
    Drive drive;
    Board board;
    Saves saves;
    // A text the log or a message to the player holds: the file named.
    const char* named;
    // The player is told with a message box (once).
    bool told;
    // When set, the program itself, started on the same folders, stops at
    // once with a failure status and says this on its standard error.
    const char* programStops = nullptr;
};

std::ostream& operator<<(std::ostream& out, const BadInputCase& c)
{
    return out << c.name;
}

class BadInput : public GameFolderTest, public ::testing::WithParamInterface<BadInputCase> {
public:
    BadInput() : GameFolderTest("bad_input") {}

    void SetUp() override
    {
        ForgetPlayerMessages();
        ASSERT_TRUE(PathExists(BuiltGameFolder() + "/data/start.lua")) << "the build assembles the game folder";
        CopyGameFolder(BuiltGameFolder(), _copy.Path());
        std::vector<LevelMapStage> stages;
        ASSERT_TRUE(LoadLevelMapFile(Data("LevelMap.xml"), stages));
        _good = SaveText(GoodContents(stages), stages);
        _saveFolder = PrepareAppDataFolder();
        ASSERT_FALSE(_saveFolder.empty());
        WriteBytes(Live(), _good);
    }

    void TearDown() override
    {
        GameFolderTest::TearDown();
        if (_mounted)
            umount2(_saveFolder.c_str(), MNT_DETACH);
        if (_limited) {
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = limit.rlim_max;
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, SIG_DFL);
        }
        chmod(_saveFolder.c_str(), 0755);
    }

    std::string Data(const std::string& name) const { return _copy.Path() + "/data/" + name; }
    std::string Live() const { return _saveFolder + "/GameInfo.xml"; }

    // The save folder's files.
    void PutLive(const std::string& bytes)
    {
        _damaged = bytes;
        WriteBytes(Live(), bytes);
    }
    void PutGoodBackup() { WriteBytes(Live() + ".bak", _good); }
    // The good save with the text replaced.
    std::string GoodWith(const std::string& from, const std::string& to) const
    {
        std::string text = _good;
        const std::string::size_type at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos)
            text.replace(at, from.size(), to);
        return text;
    }
    // The good save with that many more hi-score entries: 50 MB.
    std::string GoodWithHugeHiScores() const
    {
        const std::string entry = "\t\t<HiScoresElem name=\"Filler\" score=\"5\" uid=\"9\" cycle=\"1\" />\n";
        std::string many;
        many.reserve(kHugeSize);
        while (many.size() + _good.size() < kHugeSize)
            many += entry;
        return GoodWith("</HiScores>", many + "\t</HiScores>");
    }

    // A game file spoilt in place.
    void Edit(const std::string& name, const std::string& from, const std::string& to)
    {
        std::string text = ReadBytes(Data(name));
        const std::string::size_type at = text.find(from);
        ASSERT_NE(at, std::string::npos) << name << ": " << from;
        text.replace(at, from.size(), to);
        WriteBytes(Data(name), text);
    }
    void Replace(const std::string& name, std::string (*spoil)(const std::string&))
    {
        WriteBytes(Data(name), spoil(ReadBytes(Data(name))));
    }

    // The save folder read-only: remounted so in a mount namespace of this
    // process where that is allowed, else by its permissions.
    void MakeSaveFolderReadOnly()
    {
        if (PrivateMounts() && mount(_saveFolder.c_str(), _saveFolder.c_str(), nullptr, MS_BIND, nullptr) == 0) {
            _mounted = true;
            if (mount(nullptr, _saveFolder.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0)
                return;
        }
        chmod(_saveFolder.c_str(), 0555);
        if (access(_saveFolder.c_str(), W_OK) == 0)
            GTEST_SKIP() << "the save folder cannot be made read-only here";
    }

    // The save folder full: a small file system holding the good save and a
    // filler up to its last byte where mounting is allowed, else a limit on
    // the size of the files this process writes, below the save's size.
    void FillSaveFolder()
    {
        if (PrivateMounts() &&
            mount("tmpfs", _saveFolder.c_str(), "tmpfs", 0, "size=256k,mode=0755") == 0) {
            _mounted = true;
            WriteBytes(Live(), _good);
            std::ofstream filler(_saveFolder + "/filler", std::ios::binary);
            const std::string block(512, 'f');
            while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
                filler.flush();
            return;
        }
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = _good.size() / 2;
        _limited = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        ASSERT_TRUE(_limited);
    }

    // Starts the level of the active profile as the map's button does.
    void StartTheProfilesLevel()
    {
        ASSERT_TRUE(RunScriptString("StartStageLevel()"));
        // The fade, the board's start a little later, the first chips.
        Frames(kFadeFrames + kFramesPerSecond);
    }

    GameField* Board()
    {
        Layer* layer = GUI.getLayer("StageLayer_2");
        return layer ? dynamic_cast<GameField*>(layer->getWidget("GameField")) : nullptr;
    }

    // The program itself started in the copy, until it ends (a minute at
    // most): its exit status, and what it wrote on its standard error.
    int RunTheProgram(std::string& errors)
    {
        const std::string folder = _copy.Path() + "/data";
        const std::string errorFile = _copy.Path() + "/stderr.txt";
        const pid_t child = fork();
        if (child == 0) {
            const int fd = open(errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (chdir(folder.c_str()) != 0 || fd < 0 || dup2(fd, 2) < 0)
                _exit(97);
            execl(VELMORA_BINARY, VELMORA_BINARY, static_cast<char*>(nullptr));
            _exit(98);
        }
        int status = 0;
        for (int waited = 0; waitpid(child, &status, WNOHANG) == 0; ++waited) {
            if (waited == 600) {
                kill(child, SIGKILL);
                waitpid(child, &status, 0);
                break;
            }
            usleep(100000);
        }
        errors = ReadBytes(errorFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    // Everything the run wrote into its log and told the player.
    std::string Said() const
    {
        std::string said = LogText();
        for (const PlayerMessage& m : PlayerMessagesShown())
            said += "\n[told] " + m.title + ": " + m.text;
        return said;
    }

    std::string _good;
    std::string _damaged;
    std::string _saveFolder;
    TempDir _copy;

private:
    bool PrivateMounts()
    {
        if (_privateMounts < 0)
            _privateMounts = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return _privateMounts > 0;
    }

    int _privateMounts = -1;
    bool _mounted = false;
    bool _limited = false;
};

TEST_P(BadInput, RunsOnOrStopsNamingTheFileAndKeepsTheGoodSave)
{
    const BadInputCase& c = GetParam();
    c.spoil(*this);
    if (IsSkipped() || HasFatalFailure())
        return;

    const bool started = StartIn(_copy.Path());
    if (c.start == Start::kStops) {
        EXPECT_FALSE(started);
    } else {
        ASSERT_TRUE(started);
        PastTheSplashToTheMenu();
        EXPECT_EQ(TopLayer(), "MainMenu");
        if (c.drive == Drive::kLevel) {
            StartTheProfilesLevel();
            Player& ann = gameInfo.GetPlayer(kAnn);
            EXPECT_EQ(gameInfo.getName(), kAnn);
            GameField* board = Board();
            ASSERT_NE(board, nullptr);
            if (c.board == Board::kPlays) {
                EXPECT_FALSE(board->_squares.empty());
            } else {
                // Long enough for an empty board to have been taken for won:
                // the board looks at its level every second.
                Frames(2 * kFramesPerSecond);
                EXPECT_TRUE(board->_squares.empty());
                EXPECT_FALSE(board->LevelPlayable());
                EXPECT_EQ(TopLayer(), "StageLayer_2");
                EXPECT_EQ(ann.stage, 2);
                EXPECT_EQ(ann.level, 6);
                EXPECT_EQ(ann.maxLevel, 6);
            }
        }
        EXPECT_TRUE(_app->running);
        RunScriptString("gameInfo:Save()");
    }
    Shutdown();
    if (c.programStops) {
        std::string errors;
        EXPECT_EQ(RunTheProgram(errors), 1);
        EXPECT_NE(errors.find(c.programStops), std::string::npos) << errors;
    }

    const std::string said = Said();
    EXPECT_NE(said.find(c.named), std::string::npos) << c.named;
    std::size_t boxes = 0;
    for (const PlayerMessage& m : PlayerMessagesShown())
        boxes += m.text.find(c.named) != std::string::npos || m.title.find(c.named) != std::string::npos;
    EXPECT_EQ(boxes, c.told ? 1u : 0u);

    switch (c.saves) {
    case Saves::kKept:
        EXPECT_EQ(ProgressIn(Live()), kAnnProgress);
        EXPECT_EQ(ProgressIn(Live(), "Bo"), "1/1 of 1/1");
        break;
    case Saves::kRestored:
        EXPECT_EQ(ProgressIn(Live()), kAnnProgress);
        EXPECT_EQ(ProgressIn(Live() + ".bak"), kAnnProgress);
        EXPECT_EQ(ProgressIn(Live(), "Bo"), "1/1 of 1/1");
        EXPECT_EQ(ReadBytes(Live() + ".broken"), _damaged);
        break;
    case Saves::kDefaultBroken:
        EXPECT_EQ(ProgressIn(Live()), "no profile");
        EXPECT_EQ(ReadBytes(Live() + ".broken"), _damaged);
        break;
    case Saves::kOlderAsBackup:
        EXPECT_EQ(ProgressIn(Live()), "no profile");
        EXPECT_EQ(ProgressIn(Live() + ".bak"), kAnnProgress);
        break;
    case Saves::kUntouched:
        EXPECT_EQ(ReadBytes(Live()), _good);
        break;
    }
    if (PathExists(Live())) {
        EXPECT_LE(HiScoresIn(Live()), 10);
    }
    if (HasFailure()) {
        const std::string kept = _shots + "/" + c.name + "_log.htm";
        WriteTextFile(kept, said);
        std::cerr << "The run's log and what the player was told: " << kept << "\n";
    }
}

// ------------------------------------------------------------ the table

void GameInfoTruncated(BadInput& t) { t.PutLive(Truncated(t._good)); }
void GameInfoTruncatedWithBackup(BadInput& t) { GameInfoTruncated(t), t.PutGoodBackup(); }
void GameInfoEmpty(BadInput& t) { t.PutLive(""); }
void GameInfoEmptyWithBackup(BadInput& t) { GameInfoEmpty(t), t.PutGoodBackup(); }
void GameInfoGarbage(BadInput& t) { t.PutLive(Garbage()); }
void GameInfoGarbageWithBackup(BadInput& t) { GameInfoGarbage(t), t.PutGoodBackup(); }
void GameInfoHuge(BadInput& t) { t.PutLive(t.GoodWithHugeHiScores()); }
void GameInfoHugeWithBackup(BadInput& t) { GameInfoHuge(t), t.PutGoodBackup(); }
void GameInfoVersionLetter(BadInput& t)
{
    t.PutLive(t.GoodWith("version=\"1\"", "version=\"l\"")), t.PutGoodBackup();
}
void GameInfoVersionZero(BadInput& t)
{
    t.PutLive(t.GoodWith("version=\"1\"", "version=\"0\"")), t.PutGoodBackup();
}
void GameInfoWithoutProfiles(BadInput& t)
{
    std::string text = t._good;
    text.erase(text.find("\t<Profiles>"), text.find("\t<ActivePlayer") - text.find("\t<Profiles>"));
    t.PutLive(text), t.PutGoodBackup();
}
void GameInfoOlderVersion(BadInput& t)
{
    t.Edit("settings.ini", "gameInfoVersion = 1", "gameInfoVersion = 2");
}

void LevelMapTruncated(BadInput& t) { t.Replace("LevelMap.xml", Truncated); }
void LevelMapEmpty(BadInput& t) { WriteBytes(t.Data("LevelMap.xml"), ""); }
void LevelMapGarbage(BadInput& t) { WriteBytes(t.Data("LevelMap.xml"), Garbage()); }
void LevelMapHuge(BadInput& t) { t.Replace("LevelMap.xml", Huge); }

void LevelFileTruncated(BadInput& t) { t.Replace("Level.xml", Truncated); }
void LevelFileEmpty(BadInput& t) { WriteBytes(t.Data("Level.xml"), ""); }
void LevelFileGarbage(BadInput& t) { WriteBytes(t.Data("Level.xml"), Garbage()); }
void LevelFileHuge(BadInput& t) { t.Replace("Level.xml", Huge); }
void LevelMissing(BadInput& t) { t.Edit("Level.xml", "name=\"Babylon_6\"", "name=\"Babylon_6_gone\""); }
void LevelRefused(BadInput& t) { t.Edit("Level.xml", "name=\"Babylon_6\" time=\"280\"", "name=\"Babylon_6\" time=\"0\""); }

void ArtefactsTruncated(BadInput& t) { t.Replace("Artefact.xml", Truncated); }
void ArtefactsEmpty(BadInput& t) { WriteBytes(t.Data("Artefact.xml"), ""); }
void ArtefactsGarbage(BadInput& t) { WriteBytes(t.Data("Artefact.xml"), Garbage()); }
void ArtefactsHuge(BadInput& t) { t.Replace("Artefact.xml", Huge); }

void GameplayTruncated(BadInput& t) { t.Replace("GameplayConst.xml", Truncated); }
void GameplayEmpty(BadInput& t) { WriteBytes(t.Data("GameplayConst.xml"), ""); }
void GameplayGarbage(BadInput& t) { WriteBytes(t.Data("GameplayConst.xml"), Garbage()); }
void GameplayHuge(BadInput& t) { t.Replace("GameplayConst.xml", Huge); }

void StartScriptSyntaxError(BadInput& t) { t.Edit("start.lua", "PrepareMainMenu()", "PrepareMainMenu() = 1"); }
void StartScriptMissingFunction(BadInput& t) { t.Edit("start.lua", "PrepareMainMenu()", "PrepareMainMenuGone()"); }
void StageScriptSyntaxError(BadInput& t) { t.Edit("scripts/stage.lua", "function TellBoard(...)", "function .TellBoard(...)"); }
void StageScriptMissingFunction(BadInput& t)
{
    t.Edit("scripts/stage.lua", "    TellBoard(\"Reset\")\n    TellBoard(\"RunStart\")",
           "    TellBoardGone(\"Reset\")\n    TellBoard(\"RunStart\")");
}

void LayerMissingPicture(BadInput& t)
{
    std::string text = ReadBytes(t.Data("gui/MainMenu.xml"));
    const std::string::size_type at = text.find("<texture name=\"");
    ASSERT_NE(at, std::string::npos);
    text.insert(at + 15, "NoSuchPicture_");
    WriteBytes(t.Data("gui/MainMenu.xml"), text);
}
void LayerUnknownWidget(BadInput& t)
{
    t.Edit("gui/MainMenu.xml", "<Controls>", "<Controls>\n\t\t\t<Hologram name=\"Ghost\" />");
}
void FontDeleted(BadInput& t)
{
    fs::remove(t.Data("font/ButtonNormal.png"));
    fs::remove(t.Data("font/ButtonNormal.txt"));
}
void SoundDeleted(BadInput& t) { fs::remove(t.Data("sound/music/menu.ogg")); }
void SaveFolderReadOnly(BadInput& t) { t.MakeSaveFolderReadOnly(); }
void SaveFolderFull(BadInput& t) { t.FillSaveFolder(); }

constexpr Start kRuns = Start::kRuns;
constexpr Drive kMenu = Drive::kMenu;
constexpr Drive kLevel = Drive::kLevel;
constexpr Board kPlays = Board::kPlays;
constexpr Board kIdle = Board::kStaysIdle;

const BadInputCase kCases[] = {
    // The save: damaged ones lie aside and the good backup comes back.
    {"GameInfoTruncated", GameInfoTruncated, kRuns, kMenu, kPlays, Saves::kDefaultBroken, "GameInfo.xml.broken", false},
    {"GameInfoTruncatedWithBackup", GameInfoTruncatedWithBackup, kRuns, kLevel, kPlays, Saves::kRestored,
     "restored from its backup", false},
    {"GameInfoEmpty", GameInfoEmpty, kRuns, kMenu, kPlays, Saves::kDefaultBroken, "GameInfo.xml.broken", false},
    {"GameInfoEmptyWithBackup", GameInfoEmptyWithBackup, kRuns, kMenu, kPlays, Saves::kRestored,
     "restored from its backup", false},
    {"GameInfoGarbage", GameInfoGarbage, kRuns, kMenu, kPlays, Saves::kDefaultBroken, "GameInfo.xml.broken", false},
    {"GameInfoGarbageWithBackup", GameInfoGarbageWithBackup, kRuns, kMenu, kPlays, Saves::kRestored,
     "restored from its backup", false},
    {"GameInfoHuge", GameInfoHuge, kRuns, kMenu, kPlays, Saves::kKept, "hi-score entries past the table", false},
    {"GameInfoHugeWithBackup", GameInfoHugeWithBackup, kRuns, kMenu, kPlays, Saves::kKept,
     "hi-score entries past the table", false},
    {"GameInfoVersionLetter", GameInfoVersionLetter, kRuns, kMenu, kPlays, Saves::kRestored, "GameInfo.xml.broken",
     false},
    {"GameInfoVersionZero", GameInfoVersionZero, kRuns, kMenu, kPlays, Saves::kRestored, "GameInfo.xml.broken", false},
    {"GameInfoWithoutProfiles", GameInfoWithoutProfiles, kRuns, kMenu, kPlays, Saves::kRestored,
     "GameInfo.xml.broken", false},
    {"GameInfoOlderVersion", GameInfoOlderVersion, kRuns, kMenu, kPlays, Saves::kOlderAsBackup,
     "GameInfo.xml is of version 1", false},

    // The level map and the levels: a level that does not load never runs.
    {"LevelMapTruncated", LevelMapTruncated, kRuns, kLevel, kIdle, Saves::kKept, "LevelMap.xml names no level", true},
    {"LevelMapEmpty", LevelMapEmpty, kRuns, kLevel, kIdle, Saves::kKept, "LevelMap.xml names no level", true},
    {"LevelMapGarbage", LevelMapGarbage, kRuns, kLevel, kIdle, Saves::kKept, "LevelMap.xml names no level", true},
    {"LevelMapHuge", LevelMapHuge, kRuns, kLevel, kPlays, Saves::kKept, "Start main loop", false},
    {"LevelFileTruncated", LevelFileTruncated, kRuns, kLevel, kIdle, Saves::kKept, "level.xml could not be read", true},
    {"LevelFileEmpty", LevelFileEmpty, kRuns, kLevel, kIdle, Saves::kKept, "level.xml could not be read", true},
    {"LevelFileGarbage", LevelFileGarbage, kRuns, kLevel, kIdle, Saves::kKept, "level.xml could not be read", true},
    {"LevelFileHuge", LevelFileHuge, kRuns, kLevel, kPlays, Saves::kKept, "Start main loop", false},
    {"LevelMissing", LevelMissing, kRuns, kLevel, kIdle, Saves::kKept, "level.xml holds no usable level", true},
    {"LevelRefused", LevelRefused, kRuns, kLevel, kIdle, Saves::kKept, "level.xml holds no usable level", true},

    // The other data files: a log line names each.
    {"ArtefactsTruncated", ArtefactsTruncated, kRuns, kLevel, kPlays, Saves::kKept, "Can't load the artefacts", false},
    {"ArtefactsEmpty", ArtefactsEmpty, kRuns, kLevel, kPlays, Saves::kKept, "Can't load the artefacts", false},
    {"ArtefactsGarbage", ArtefactsGarbage, kRuns, kLevel, kPlays, Saves::kKept, "Can't load the artefacts", false},
    {"ArtefactsHuge", ArtefactsHuge, kRuns, kLevel, kPlays, Saves::kKept, "Start main loop", false},
    {"GameplayTruncated", GameplayTruncated, kRuns, kLevel, kPlays, Saves::kKept, "Can't load the game-play constants", false},
    {"GameplayEmpty", GameplayEmpty, kRuns, kLevel, kPlays, Saves::kKept, "Can't load the game-play constants", false},
    {"GameplayGarbage", GameplayGarbage, kRuns, kLevel, kPlays, Saves::kKept, "Can't load the game-play constants", false},
    {"GameplayHuge", GameplayHuge, kRuns, kLevel, kPlays, Saves::kKept, "Start main loop", false},

    // Scripts: a broken start script ends the game with a message naming
    // the file and the line; a broken stage script leaves a log line.
    {"StartScriptSyntaxError", StartScriptSyntaxError, Start::kStops, kMenu, kPlays, Saves::kKept, "start.lua:23:", true,
     "start.lua:23:"},
    {"StartScriptMissingFunction", StartScriptMissingFunction, Start::kStops, kMenu, kPlays, Saves::kKept,
     "start.lua:23:", true, "start.lua:23:"},
    {"StageScriptSyntaxError", StageScriptSyntaxError, kRuns, kMenu, kPlays, Saves::kKept,
     "scripts\\stage.lua:10: &lt;name&gt; expected near '.'", false},
    {"StageScriptMissingFunction", StageScriptMissingFunction, kRuns, kLevel, kIdle, Saves::kKept, "TellBoardGone",
     false},

    // Layers, fonts and sounds.
    {"LayerMissingPicture", LayerMissingPicture, kRuns, kMenu, kPlays, Saves::kKept, "NoSuchPicture_", false},
    {"LayerUnknownWidget", LayerUnknownWidget, kRuns, kMenu, kPlays, Saves::kKept,
     "Unknown widget kind &quot;Hologram&quot; in gui\\MainMenu.xml", false},
    {"FontDeleted", FontDeleted, kRuns, kMenu, kPlays, Saves::kKept, "ButtonNormal&quot; skipped", false},
    {"SoundDeleted", SoundDeleted, kRuns, kMenu, kPlays, Saves::kKept, "music\\menu.ogg", false},

    // The save folder: a failed save is told once and the old save stays.
    // The program itself cannot even take its single-instance lock in a
    // folder it cannot write, and says so.
    {"SaveFolderReadOnly", SaveFolderReadOnly, kRuns, kMenu, kPlays, Saves::kUntouched, "could not be saved", true,
     "cannot use its save folder"},
    {"SaveFolderFull", SaveFolderFull, kRuns, kMenu, kPlays, Saves::kUntouched, "could not be saved", true},
};

INSTANTIATE_TEST_SUITE_P(Cases, BadInput, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<BadInputCase>& info) { return info.param.name; });

} // namespace
