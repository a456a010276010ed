// The board's level and data files: level.xml, Messages.xml, traces.xml and
// LevNameMap.xml.

#include "game/board/GameField.h"

#include "engine/platform/HtmlLog.h"
#include "engine/platform/PlayerMessage.h"
#include "engine/platform/StrictLookups.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardPictures.h"
#include "game/board/LevelFile.h"
#include "game/board/SquareKinds.h"
#include "game/board/TracesFile.h"
#include "game/state/GameInfo.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>

namespace {

const char kLevelFile[] = "level.xml";

// The index of a bonus letter in a level's taken-bonus counts, or -1.
int TakenBonusIndex(char c)
{
    switch (c) {
    case 'L':
        return 0;
    case 'T':
        return 1;
    case 'R':
        return 2;
    case 'B':
        return 3;
    case 'V':
        return 4;
    default:
        return -1;
    }
}

// Where each stage anchors the collected artefact.
const Point kSunOffsets[] = {Point(27, 271), Point(16, 289), Point(10, 280), Point(25, 295),
                             Point(13, 276), Point(25, 293), Point(12, 283)};

} // namespace

void GameField::LoadLevel(const std::string& levelName)
{
    Player& player = ActivePlayer();
    if (player.stage == 2 && !_babylonFireShown)
        ShowBabylonFire();

    _moveCount = 0;
    _chainStep = 0;
    gameInfo.ShowEndGameConfirmation();
    gameInfo.GameOverFlag() = false;
    _matchEnabled = true;
    _bonusPointer = false;
    _artefactPointer = false;
    _isPlayerMove = false;
    _stopTime = true;
    _timeBonusRunning = false;
    _shineSound1 = false;
    _shineSound2 = false;

    // One of the country's pictures: loaded while the board plays the country.
    _background = KeptBoardPicture("#FieldBG_" + IntToString(player.stage));
    StopController("FieldAppearance");

    if (levelName.empty()) {
        // The level map names no level for the profile's place.
        RefuseLevel("LevelMap.xml names no level " + IntToString(player.level) + " of stage " +
                    IntToString(player.stage));
        return;
    }
    const LevelReadResult read = ReadLevelFile(kLevelFile, levelName);
    if (read.status == LevelReadResult::kUnreadable) {
        LogError(kLevelFile, "Can't read the levels; the level \"" + levelName + "\" is not loaded");
        RefuseLevel("The level \"" + levelName + "\" cannot be played: " + kLevelFile + " could not be read");
        return;
    }
    if (read.status == LevelReadResult::kLoaded)
        ApplyLevel(read.level, player);
    else
        RefuseLevel("The level \"" + levelName + "\" cannot be played: " + kLevelFile +
                    " holds no usable level of that name");

    for (auto& column : _cellFade)
        std::fill(std::begin(column), std::end(column), 0);
    _endLevelStarted = false;
    _hurryShown = false;
}

void GameField::RefuseLevel(const std::string& why)
{
    // A malformed level was logged with its faults by the reader. What the
    // board held before stays, but it does not run as this level.
    _loadFailed = true;
    _levelRunning = false;
    const std::string text = "Level is not found! " + why + ".";
    if (gameInfo.IsDemoMode())
        LogError("Error!", text);
    else
        TellPlayer("Error!", text);
}

void GameField::ShowBabylonFire()
{
    _babylonFireShown = true;
    for (const Point& at : {Point(312, 78), Point(765, 78)})
        _stageEffects.Add("BabylonFire", static_cast<float>(at.x), static_cast<float>(at.y));
}

void GameField::ApplyLevel(const LevelRecord& level, Player& player)
{
    _levelGrid.Clear();
    std::fill(std::begin(_pieceGlow), std::end(_pieceGlow), 2.0f);

    // A harder profile (difficulty below 0) gets less time.
    const float t = level.time;
    const int difficulty = player.difficultyLevel;
    const float factor = difficulty > 0 ? 0.06f : 0.1f;
    _levelTime = t + t * static_cast<float>(difficulty) * factor;
    player.timeToLevel = _levelTime;
    _artefactFlashTime = _levelTime * 0.2f;

    _tipTime = level.tipTime;
    _qMusor = level.qMusor;
    _musorStep = 5;
    _sunInc[4] = level.sunInc4;
    _sunInc[5] = level.sunInc5;
    std::fill(std::begin(_sunInc) + 6, std::end(_sunInc), level.sunInc6);

    _chipCount = static_cast<int>(level.chips.size());
    std::copy(level.chips.begin(), level.chips.end(), _chips);
    _artefactQueue.clear();
    for (int piece = 0; piece < level.artefactBegin; ++piece)
        _artefactQueue.push_back(piece);

    FillLevelGrid(level, player);
    PlaceBoard(player.stage);
    _levelName = level.name;
    _levelLoaded = true;
    _loadFailed = false;
    BuildBoardFrame();
}

void GameField::FillLevelGrid(const LevelRecord& level, const Player& player)
{
    // The bonuses the player took in this level become plain cells, the
    // first ones in reading order; a demo board places them all.
    int taken[5] = {};
    if (!_isDemo) {
        const LevelInfo info = gameInfo.GetLevelInfo(player.stage - 1, player.level - 1);
        std::copy(info.takedBonus, info.takedBonus + 5, taken);
    }
    _width = level.Width();
    _height = level.Height();
    int piece = 0;
    for (int row = 0; row < _height; ++row) {
        const int y = _height - 1 - row; // the first row is the top one
        for (int x = 0; x < _width; ++x) {
            const char c = level.rows[row][x];
            int code = LevelCellCode(c);
            const int bonus = TakenBonusIndex(c);
            if (bonus >= 0 && taken[bonus] > 0) {
                --taken[bonus];
                code = 1;
            } else if (code == kKindArtefact) {
                code = kKindArtefact + level.artefactBegin + piece++;
            }
            _levelGrid.Set(x, y, code);
        }
    }
}

void GameField::PlaceBoard(int stage)
{
    // Centred in the area from x 274 to 800 and on y 300.
    _originX = (526 - _width * _cellSize) / 2 + 274;
    _originY = 300 - (_height * _cellSize) / 2;
    if (stage == 4)
        _originY += 40;
    if (stage == 6)
        _originY += 15;
    _stageIndex = stage - 1;
    if (_stageIndex >= 0 && _stageIndex < static_cast<int>(std::size(kSunOffsets)))
        _sunOffset = kSunOffsets[_stageIndex];
}

void GameField::LoadMessages()
{
    ReadMessagesFile("Messages.xml", _messages);
}

TextBlock& GameField::GetMessageText(const std::string& messageName)
{
    const auto found = _messages.find(messageName);
    if (found != _messages.end())
        return found->second;
    ReportMissingName("message", messageName);
    return _messages[messageName];
}

const std::vector<Point>& GameField::LoadTraces(const std::string& traceName)
{
    const auto cached = _traces.find(traceName);
    if (cached != _traces.end())
        return cached->second;
    std::vector<Point> points;
    ReadTraceFile("traces.xml", traceName, points);
    return _traces[traceName] = std::move(points);
}

void GameField::LoadLevNameMap()
{
    ReadLevNameMapFile("LevNameMap.xml", _levNameMap);
}
