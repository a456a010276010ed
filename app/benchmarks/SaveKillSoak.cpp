// The save under sudden death, not part of the tests: the real program runs
// in-process in a child, starting on the profile the previous child left,
// and saves again and again as a player's run does (a volume changed in the
// options, a level ended); the parent kills it with SIGKILL at a random
// moment after its start-up and then checks what is on disk. Every trial
// starts where the killed one stopped, so the next start reads what the kill
// left.
//
// The child reports each save before it begins and after it completes. After
// each kill, GameInfo.xml must read and hold the profile of the last
// completed save or of the one under way; GameInfo.xml.bak, when there is
// one, must read and hold one of the last three saves; and the next start
// must load exactly what GameInfo.xml held. Prints the figures and exits 1
// when any trial broke one of these.
//
//   save_kill_soak [trials] [longest wait in ms after the start-up]

#include "app/benchmarks/InProcessGame.h"
#include "engine/util/FileSystem.h"
#include "engine/util/XmlFile.h"
#include "game/state/GameInfo.h"
#include "game/state/GameInfoFile.h"
#include "game/state/LevelMapFile.h"

#include <tinyxml.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const kProfile = "Sudden";

// What a save holds of the run: the active profile's progress and the
// options the run changes.
struct Progress {
    int score = 0;
    int stage = 0;
    int level = 0;
    int maxStage = 0;
    int cycle = 0;
    int sound = 0;
    int music = 0;

    bool operator==(const Progress& other) const
    {
        return score == other.score && stage == other.stage && level == other.level && maxStage == other.maxStage &&
               cycle == other.cycle && sound == other.sound && music == other.music;
    }
    std::string Text() const
    {
        std::ostringstream out;
        out << score << ' ' << stage << ' ' << level << ' ' << maxStage << ' ' << cycle << ' ' << sound << ' '
            << music;
        return out.str();
    }
};

Progress FromText(std::istringstream& in)
{
    Progress p;
    in >> p.score >> p.stage >> p.level >> p.maxStage >> p.cycle >> p.sound >> p.music;
    return p;
}

Progress Current()
{
    Progress p;
    const Player& player = gameInfo.GetPlayer(kProfile);
    p.score = player.score;
    p.stage = player.stage;
    p.level = player.level;
    p.maxStage = player.maxStage;
    p.cycle = player.cycle;
    p.sound = gameInfo.getSoundVolume();
    p.music = gameInfo.getMusicVolume();
    return p;
}

// One line to the parent in one write, so a kill never leaves half of one.
void Report(int fd, const std::string& line)
{
    const std::string text = line + "\n";
    if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        _exit(4);
}

// The child: start-up on the folder's profile, then saves until killed.
[[noreturn]] void RunChild(int fd, const std::string& home)
{
    InProcessGame game(VELMORA_GAME_DIR);
    // The game makes a home of its own; this run keeps one across trials.
    if (const char* made = std::getenv("XDG_DATA_HOME"))
        ::rmdir(made);
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    if (!game.Start())
        _exit(3);
    game.ToMainMenu();
    Report(fd, "P " + GameInfoPath());
    if (!gameInfo.isPlayerExist(kProfile)) {
        gameInfo.AddNewPlayer(kProfile);
        Report(fd, "N");
    }
    gameInfo.setActivePlayer(kProfile);
    Report(fd, "L " + Current().Text());
    for (long n = 0; n < 100000; ++n) {
        if (n % 2 == 0) {
            // A slider moved in the options.
            gameInfo.setSoundVolume((gameInfo.getSoundVolume() + 37) % 101);
            gameInfo.setMusicVolume((gameInfo.getMusicVolume() + 11) % 101);
        } else {
            // A level won: the board's points, then the next level.
            gameInfo.GetPlayer(kProfile).score += 100 + static_cast<int>(n % 50);
            gameInfo.CompleteLevel();
        }
        Report(fd, "B " + Current().Text());
        const bool saved = gameInfo.SaveGameState();
        Report(fd, saved ? "D" : "F");
        game.Frames(1);
    }
    _exit(0);
}

enum class SaveRead { Unreadable, NoProfile, Read };

// The profile and options a save file holds.
SaveRead ReadSave(const std::string& path, const std::vector<LevelMapStage>& stages, Progress& progress)
{
    TiXmlDocument document;
    if (!LoadXmlFile(path, document))
        return SaveRead::Unreadable;
    GameInfoContents contents;
    ReadGameInfoDocument(document, stages, contents);
    const auto found = contents.players.find(kProfile);
    if (found == contents.players.end())
        return SaveRead::NoProfile;
    progress.score = found->second.score;
    progress.stage = found->second.stage;
    progress.level = found->second.level;
    progress.maxStage = found->second.maxStage;
    progress.cycle = found->second.cycle;
    progress.sound = contents.options.soundVolume;
    progress.music = contents.options.musicVolume;
    return SaveRead::Read;
}

struct Trial {
    bool started = false;
    bool newProfile = false;
    std::string path;
    Progress loaded;
    std::vector<Progress> begun; // every save begun, in order
    int completed = 0;           // saves completed
    bool failedSave = false;
    bool killedInSave = false;
};

Trial ParseReports(const std::string& text)
{
    Trial trial;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        if (kind == "P") {
            trial.path = line.substr(2); // the path may hold spaces
        } else if (kind == "N") {
            trial.newProfile = true;
        } else if (kind == "L") {
            trial.started = true;
            trial.loaded = FromText(in);
        } else if (kind == "B") {
            trial.begun.push_back(FromText(in));
        } else if (kind == "D") {
            ++trial.completed;
        } else if (kind == "F") {
            ++trial.completed;
            trial.failedSave = true;
        }
    }
    trial.killedInSave = trial.begun.size() > static_cast<std::size_t>(trial.completed);
    return trial;
}

} // namespace

int main(int argc, char** argv)
{
    const int trials = argc > 1 ? std::atoi(argv[1]) : 200;
    const int longestWaitMs = argc > 2 ? std::atoi(argv[2]) : 400;
    char homeTemplate[] = "/tmp/velmora-savekill-XXXXXX";
    if (!mkdtemp(homeTemplate)) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::string home = homeTemplate;
    std::filesystem::current_path(std::string(VELMORA_GAME_DIR) + "/data");
    std::vector<LevelMapStage> stages;
    LoadLevelMapFile("LevelMap.xml", stages);

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> wait(0, longestWaitMs);

    int killed = 0, killedInSave = 0, liveRead = 0, liveRight = 0, bakRead = 0, bakRight = 0, bakAbsent = 0;
    int startsRight = 0, startsChecked = 0, leftTemporary = 0, notStarted = 0, failedSaves = 0;
    long savesCompleted = 0;
    std::vector<std::string> faults;
    std::size_t reported = 0;
    bool haveExpected = false;
    Progress expected; // what GameInfo.xml held after the previous kill
    bool haveBackup = false;
    Progress previousBackup; // what GameInfo.xml.bak held after it

    for (int t = 0; t < trials; ++t) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) {
            std::perror("pipe");
            return 2;
        }
        std::fflush(stdout);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipeFds[0]);
            RunChild(pipeFds[1], home);
        }
        ::close(pipeFds[1]);

        // Read until the start-up is reported, then wait a random time while
        // the saves go on, and kill.
        std::string text;
        char buffer[4096];
        bool startedUp = false;
        while (!startedUp) {
            const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            text.append(buffer, static_cast<std::size_t>(n));
            startedUp = text.find("\nL ") != std::string::npos || text.rfind("L ", 0) == 0;
        }
        if (startedUp) {
            ::usleep(static_cast<useconds_t>(wait(random)) * 1000u);
            ::kill(child, SIGKILL);
            ++killed;
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ssize_t n;
        while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        ::close(pipeFds[0]);

        const Trial trial = ParseReports(text);
        if (!trial.started) {
            ++notStarted;
            faults.push_back("trial " + std::to_string(t) + ": the game did not start (status " +
                             std::to_string(status) + ")");
            continue;
        }
        savesCompleted += trial.completed;
        failedSaves += trial.failedSave ? 1 : 0;
        killedInSave += trial.killedInSave ? 1 : 0;

        // The start read what the previous kill left.
        if (haveExpected) {
            ++startsChecked;
            if (trial.loaded == expected && !trial.newProfile)
                ++startsRight;
            else
                faults.push_back("trial " + std::to_string(t) + ": the start loaded " + trial.loaded.Text() +
                                 (trial.newProfile ? " (a new profile)" : "") + ", the save held " + expected.Text());
        }

        // The saves this trial may have left: the last completed, the one
        // under way, and for the backup the one before as well.
        std::vector<Progress> history;
        history.push_back(trial.loaded);
        history.insert(history.end(), trial.begun.begin(), trial.begun.end());
        const std::size_t last = static_cast<std::size_t>(trial.completed); // index in history
        std::vector<Progress> liveChoices;
        liveChoices.push_back(history[last]);
        if (trial.killedInSave)
            liveChoices.push_back(history[last + 1]);
        // Before this trial's second save the backup may still be the one
        // the previous trial left.
        std::vector<Progress> bakChoices;
        if (last <= 1 && haveBackup)
            bakChoices.push_back(previousBackup);
        for (std::size_t i = last >= 2 ? last - 2 : 0; i <= std::min(last + 1, history.size() - 1); ++i)
            bakChoices.push_back(history[i]);
        auto oneOf = [](const Progress& p, const std::vector<Progress>& choices) {
            for (const Progress& c : choices)
                if (c == p)
                    return true;
            return false;
        };

        Progress live;
        if (ReadSave(trial.path, stages, live) == SaveRead::Read) {
            ++liveRead;
            if (oneOf(live, liveChoices)) {
                ++liveRight;
            } else {
                faults.push_back("trial " + std::to_string(t) + ": GameInfo.xml holds " + live.Text() +
                                 ", the last completed save " + history[last].Text());
            }
            expected = live;
            haveExpected = true;
        } else {
            faults.push_back("trial " + std::to_string(t) + ": GameInfo.xml does not read");
            haveExpected = false;
        }
        Progress backup;
        const SaveRead bak = FileExists(trial.path + ".bak") ? ReadSave(trial.path + ".bak", stages, backup)
                                                             : SaveRead::Unreadable;
        if (!FileExists(trial.path + ".bak")) {
            ++bakAbsent;
        } else if (bak == SaveRead::NoProfile && trial.newProfile && trial.completed <= 2) {
            // The save from before the profile was made.
            ++bakRead;
            ++bakRight;
        } else if (bak == SaveRead::Read) {
            ++bakRead;
            haveBackup = true;
            previousBackup = backup;
            if (oneOf(backup, bakChoices))
                ++bakRight;
            else
                faults.push_back("trial " + std::to_string(t) + ": GameInfo.xml.bak holds " + backup.Text());
        } else if (bak == SaveRead::NoProfile) {
            faults.push_back("trial " + std::to_string(t) + ": GameInfo.xml.bak lost the profile");
        } else {
            faults.push_back("trial " + std::to_string(t) + ": GameInfo.xml.bak does not read");
        }
        if (FileExists(trial.path + ".tmp") || FileExists(trial.path + ".bak.tmp"))
            ++leftTemporary;
        if (FileExists(trial.path + ".broken")) {
            faults.push_back("trial " + std::to_string(t) + ": the start found GameInfo.xml unreadable");
            std::filesystem::remove(trial.path + ".broken");
        }
        for (std::size_t i = reported; i < faults.size(); ++i)
            std::fprintf(stderr, "%s\n", faults[i].c_str());
        reported = faults.size();
        if ((t + 1) % 25 == 0) {
            std::printf("%4d trials, %ld saves completed, %zu faults\n", t + 1, savesCompleted, faults.size());
            std::fflush(stdout);
        }
    }

    std::printf("\ntrials                         %d\n", trials);
    std::printf("killed after the start-up      %d\n", killed);
    std::printf("killed inside a save           %d\n", killedInSave);
    std::printf("saves completed in all         %ld\n", savesCompleted);
    std::printf("saves refused                  %d trials\n", failedSaves);
    std::printf("GameInfo.xml read              %d\n", liveRead);
    std::printf("  holding the last save        %d\n", liveRight);
    std::printf("GameInfo.xml.bak read          %d (absent %d)\n", bakRead, bakAbsent);
    std::printf("  holding a recent save        %d\n", bakRight);
    std::printf("next start loaded the save     %d of %d\n", startsRight, startsChecked);
    std::printf("a .tmp file left by the kill   %d\n", leftTemporary);
    std::printf("the game did not start         %d\n", notStarted);
    std::printf("faults                         %zu\n", faults.size());
    for (const std::string& fault : faults)
        std::printf("  %s\n", fault.c_str());
    std::printf("profile folder: %s\n", home.c_str());
    return faults.empty() ? 0 : 1;
}
