// The fall after a match: the squares drop into the gaps, new ones fall in
// from above with colours planned to make no line (or, while the board owes
// the player a chain, a line), and trash squares on later cycles. Also the
// help board's loader of a saved board state.

#include "game/board/GameField.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardControllerNames.h"
#include "game/board/Square.h"
#include "game/board/SquareFall.h"
#include "game/board/SquareKinds.h"
#include "game/state/GameInfo.h"
#include "gui/controllers/ControllerManager.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

// A cell the refill has to fill.
constexpr int kToFill = -2;
// Refill attempts: without a line, and with one.
constexpr int kQuietAttempts = 5;
constexpr int kChainAttempts = 30;

bool IsNotFalling(int kind)
{
    return kind >= kKindFixedLocked && kind < kKindMusor;
}

// ---------------------------------------------------------- board state file

// Limits of a state file: a list longer than this is not a help board's.
constexpr int kMaxListValues = 1000;

struct BoardState {
    int width = 0;
    int height = 0;
    float elapsed = 0.0f;
    int colourCount = 0;
    float levelTime = 0.0f;
    float tipTime = 0.0f;
    float sunInc[3] = {};
    int stageIndex = 0;
    std::vector<int> list;
    std::vector<int> colours;
    std::vector<int> kinds;  // column by column, bottom to top
    std::vector<int> codes;  // with a border of one cell, column by column
};

// Whitespace-separated numbers, each read whole or refused.
class NumberReader {
public:
    explicit NumberReader(const std::string& text)
    {
        std::istringstream in(text);
        _tokens.assign(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
    }

    // The next number as an int in [low, high]; false (with the reason) when
    // there is none, it is no whole number or it lies outside.
    bool Int(int& value, int low, int high, const char* what)
    {
        if (!Next(what))
            return false;
        const std::string& token = _tokens[_next++];
        const auto result = std::from_chars(token.data(), token.data() + token.size(), value);
        if (result.ec != std::errc() || result.ptr != token.data() + token.size())
            return Fail(std::string(what) + " is not a whole number: \"" + token + "\"");
        if (value < low || value > high)
            return Fail(std::string(what) + " " + token + " is out of range");
        return true;
    }

    bool Float(float& value, const char* what)
    {
        if (!Next(what))
            return false;
        const std::string& token = _tokens[_next++];
        const auto result = std::from_chars(token.data(), token.data() + token.size(), value);
        if (result.ec != std::errc() || result.ptr != token.data() + token.size() || !std::isfinite(value))
            return Fail(std::string(what) + " is not a number: \"" + token + "\"");
        return true;
    }

    bool Ints(std::vector<int>& values, int count, int low, int high, const char* what)
    {
        values.assign(static_cast<std::size_t>(count), 0);
        for (int& value : values)
            if (!Int(value, low, high, what))
                return false;
        return true;
    }

    bool AtEnd()
    {
        if (_next == _tokens.size())
            return true;
        return Fail("it holds more than one board");
    }

    const std::string& Reason() const { return _reason; }

private:
    bool Next(const char* what)
    {
        if (_next < _tokens.size())
            return true;
        return Fail(std::string("it ends before ") + what);
    }
    bool Fail(const std::string& reason)
    {
        _reason = reason;
        return false;
    }

    std::vector<std::string> _tokens;
    std::size_t _next = 0;
    std::string _reason;
};

// The whole file read and checked; false with the reason.
bool ReadBoardState(const std::string& text, BoardState& state, std::string& reason)
{
    NumberReader in(text);
    const int side = LevelGrid::kSide;
    int listSize = 0;
    const bool ok = in.Int(state.width, 1, side, "the width") && in.Int(state.height, 1, side, "the height") &&
                    in.Float(state.elapsed, "the time used") &&
                    in.Int(state.colourCount, 1, 16, "the colour count") &&
                    in.Float(state.levelTime, "the level time") && in.Float(state.tipTime, "the tip time") &&
                    in.Float(state.sunInc[0], "the sun energy") && in.Float(state.sunInc[1], "the sun energy") &&
                    in.Float(state.sunInc[2], "the sun energy") &&
                    in.Int(state.stageIndex, 0, 6, "the stage index") &&
                    in.Int(listSize, 0, kMaxListValues, "the list size") &&
                    in.Ints(state.list, listSize, 0, kKindMusor, "a list value") &&
                    in.Ints(state.colours, state.colourCount, 0, 15, "a colour") &&
                    in.Ints(state.kinds, state.width * state.height, kNoSquare, kKindMusor, "a kind") &&
                    in.Ints(state.codes, (state.width + 2) * (state.height + 2), 0, kKindMusor, "a cell code") &&
                    in.AtEnd();
    if (!ok) {
        reason = in.Reason();
        return false;
    }
    // A square stands only in a cell of the level.
    for (int x = 0; x < state.width; ++x) {
        for (int y = 0; y < state.height; ++y) {
            const int kind = state.kinds[static_cast<std::size_t>(x * state.height + y)];
            const int code = state.codes[static_cast<std::size_t>((x + 1) * (state.height + 2) + y + 1)];
            if (kind != kNoSquare && code < 1) {
                reason = "a square stands outside the level's cells";
                return false;
            }
        }
    }
    return true;
}

} // namespace

// ------------------------------------------------------------------- falling

void GameField::RunFalling(float startSpeed, float delayStep, float newDelayStep)
{
    if (!_fallEnabled)
        return;
    SetBlocked(true, "GameField::RunFalling");
    if (_forcedRefills >= 1) {
        PlanRefill(true);
        _forcedRefills -= 1;
    } else {
        PlanRefill(false);
    }
    UpdateKindMap();
    _checkAfterFall = true;
    _fallAgain = false;

    int after[LevelGrid::kSide][LevelGrid::kSide];
    std::copy(&_kinds[0][0], &_kinds[0][0] + LevelGrid::kSide * LevelGrid::kSide, &after[0][0]);
    std::vector<SquareFall*> falls;
    const float cell = static_cast<float>(_cellSize);

    for (int x = 0; x < _width; ++x) {
        int top = -1;
        for (int y = 0; y < _height; ++y)
            if (_levelGrid.IsCell(x, y))
                top = y;
        if (top < 0)
            continue;
        const float columnX = static_cast<float>(x) * cell;
        int write = 0;
        float delay = 0.0f;
        bool columnMoved = false;
        for (int read = 0; read <= top; ++read) {
            const int kind = _kinds[x][read];
            if (!_levelGrid.IsCell(x, read) || kind == kNoSquare)
                continue;
            if (IsNotFalling(kind)) {
                write = read + 1;
                columnMoved = true;
                continue;
            }
            while (!_levelGrid.IsCell(x, write))
                ++write;
            if (read > write) {
                after[x][write] = kind;
                after[x][read] = kNoSquare;
                if (Square* square = FindSquare(x, read)) {
                    auto* fall = new SquareFall(square, x, write, square->position,
                                                Vector3(columnX, static_cast<float>(write) * cell, square->position.z),
                                                this, square->alpha, 255.0f, delay, startSpeed, false);
                    fall->_playKnock = true;
                    falls.push_back(fall);
                    delay += delayStep;
                    columnMoved = true;
                }
            }
            ++write;
        }

        // New squares wait stacked above the column's highest cell.
        const int above = top + 1;
        int made = 0;
        for (int y = write; y <= top; ++y) {
            if (!_levelGrid.IsCell(x, y) || after[x][y] != kNoSquare)
                continue;
            int kind = _plannedKinds[x][y];
            if (_isHelpMode && !_helpRandoms.empty()) {
                if (_helpRandomIndex < 0 || _helpRandomIndex >= static_cast<int>(_helpRandoms.size()))
                    _helpRandomIndex = 0;
                kind = _helpRandoms[static_cast<std::size_t>(_helpRandomIndex++)];
            }
            if (kind < 0)
                continue;
            after[x][y] = kind;
            const float startY = static_cast<float>(above + made) * cell;
            Square* square = AddSquare(std::make_unique<Square>(x, above + made, columnX, startY, kind));
            auto* fall = new SquareFall(square, x, y, square->position,
                                        Vector3(columnX, static_cast<float>(y) * cell, square->position.z), this,
                                        square->alpha, 255.0f, delay, startSpeed, false);
            if (made == 0 && columnMoved)
                fall->_playKnock = true;
            falls.push_back(fall);
            delay += newDelayStep;
            ++made;
        }
    }
    for (SquareFall* fall : falls)
        AddController(fall);

    std::copy(&after[0][0], &after[0][0] + LevelGrid::kSide * LevelGrid::kSide, &_kinds[0][0]);
    if (!falls.empty() && CheckMatch3(true, true, true))
        PlanLanding(falls, startSpeed);

    if (falls.empty()) {
        WriteTrace("Point 2");
        CheckMatch3(false, false, true);
    } else {
        WriteTrace("Point 1");
    }
}

void GameField::PlanLanding(const std::vector<SquareFall*>& falls, float startSpeed)
{
    // The lowest cell of each column that the coming line will empty.
    int lowestEmpty[LevelGrid::kSide];
    for (int x = 0; x < LevelGrid::kSide; ++x) {
        lowestEmpty[x] = LevelGrid::kSide;
        for (int y = 0; x < _width && y < _height; ++y) {
            if (_levelGrid.IsCell(x, y) && _kinds[x][y] == kNoSquare) {
                lowestEmpty[x] = y;
                break;
            }
        }
    }
    // Everything lands together with the longest fall.
    const float g = SquareFall::kGravity;
    const float v = startSpeed;
    float height = 0.0f;
    for (const SquareFall* fall : falls)
        height = std::max(height, fall->_start.y - fall->_target.y);
    const float together = (std::sqrt(4.0f * v * v + 8.0f * height * g) + 2.0f * v) / (2.0f * g);

    for (SquareFall* fall : falls) {
        fall->_handOver = true;
        if (fall->_targetX < 0 || fall->_targetX >= LevelGrid::kSide || fall->_targetY < lowestEmpty[fall->_targetX])
            continue;
        const float delay = -fall->_t;
        const float tau = together - delay;
        // A fall that cannot land by then keeps its own timing.
        if (!(tau > 0.0f))
            continue;
        const float h = fall->_start.y - fall->_target.y;
        float speed = (h - g * tau * tau / 2.0f) / tau;
        if (speed < 0.0f) {
            speed = 0.0f;
            fall->_t = -(together - std::sqrt(8.0f * g * h) / (2.0f * g));
        }
        fall->_speed = speed;
        fall->ComputeTiming();
        fall->_halveBounce = true;
    }
}

// -------------------------------------------------------------------- refill

void GameField::PlanRefill(bool wantMatch)
{
    UpdateKindMap();
    Player& player = ActivePlayer();
    int allowance = std::min(gameInfo.GetMaxTrashOnField() + (player.cycle - 2) * gameInfo.GetAddMaxTrashOnCycle(),
                             gameInfo.GetAbsoluteMaxTrashOnField());

    // Every column's squares drop to its bottom; the cells above are to fill.
    for (int x = 0; x < _width; ++x) {
        int write = 0;
        for (int y = 0; y < _height; ++y) {
            while (write < _height && !_levelGrid.IsCell(x, write))
                ++write;
            if (_kinds[x][y] >= 0 && write < _height)
                _kinds[x][write++] = _kinds[x][y];
        }
        for (int y = write; y < _height; ++y)
            if (_levelGrid.IsCell(x, y))
                _kinds[x][y] = kToFill;
    }
    int compacted[LevelGrid::kSide][LevelGrid::kSide];
    std::copy(&_kinds[0][0], &_kinds[0][0] + LevelGrid::kSide * LevelGrid::kSide, &compacted[0][0]);
    for (int x = 0; x < _width; ++x)
        for (int y = 0; y < _height; ++y)
            if (_kinds[x][y] == kKindMusor)
                --allowance;

    // A colour index, never the last one again while there is another.
    const auto drawColour = [this](bool avoidRepeat) {
        const auto draw = [this]() {
            return static_cast<int>(static_cast<float>(RandomInt()) / 32767.0f *
                                    (static_cast<float>(_chipCount) - 0.001f));
        };
        int i = draw();
        while (avoidRepeat && _chipCount > 1 && i == _lastColourIndex)
            i = draw();
        _lastColourIndex = i;
        return _chips[std::clamp(i, 0, 15)];
    };
    const auto restore = [this, &compacted]() {
        std::copy(&compacted[0][0], &compacted[0][0] + LevelGrid::kSide * LevelGrid::kSide, &_kinds[0][0]);
    };

    if (_chipCount >= 1 && !wantMatch) {
        bool placedMusor = false;
        for (int attempt = 0; attempt < kQuietAttempts; ++attempt) {
            restore();
            int left = allowance;
            placedMusor = false;
            for (int x = 0; x < _width; ++x) {
                for (int y = 0; y < _height; ++y) {
                    if (_kinds[x][y] != kToFill)
                        continue;
                    _kinds[x][y] = drawColour(true);
                    const int trash = static_cast<int>(static_cast<float>(RandomInt()) / 32767.0f *
                                                       (static_cast<float>(_musorStep) - 0.001f));
                    if (trash == 0 && player.cycle > 1 && left > 0 && !placedMusor) {
                        _kinds[x][y] = kKindMusor;
                        --left;
                        placedMusor = true;
                    }
                }
            }
            if (_isHelpMode || !CheckMatch3(true, true, false))
                break;
        }
        if (placedMusor)
            _musorStep = _qMusor;
    } else if (_chipCount >= 1) {
        for (int attempt = 0; attempt < kChainAttempts; ++attempt) {
            restore();
            for (int x = 0; x < _width; ++x)
                for (int y = 0; y < _height; ++y)
                    if (_kinds[x][y] == kToFill)
                        _kinds[x][y] = drawColour(false);
            if (_isHelpMode || CheckMatch3(true, true, false))
                break;
        }
    }
    std::copy(&_kinds[0][0], &_kinds[0][0] + LevelGrid::kSide * LevelGrid::kSide, &_plannedKinds[0][0]);
}

// --------------------------------------------------------- saved board state

void GameField::LoadBoardState(const std::string& fileName)
{
    std::ifstream file(ResolvePath(fileName), std::ios::binary);
    std::string reason = "it cannot be read";
    BoardState state;
    if (file) {
        const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (ReadBoardState(text, state, reason))
            reason.clear();
    }
    if (!reason.empty()) {
        LogError("GameField", "The board state \"" + fileName + "\" is not loaded: " + reason);
        return;
    }

    // Nothing may hold a square of the old board, and nothing that ends
    // now may check or fall.
    _matchEnabled = false;
    _fallEnabled = false;
    for (const char* controllerName :
         BoardControllerNames::With(BoardControllerNames::kMoving | BoardControllerNames::kHoldsSquare))
        StopControllerEverywhere(controllerName);
    kernel.Update(0.0f);
    _matchEnabled = true;
    _fallEnabled = true;
    _idleTime = 0.0f;

    _width = state.width;
    _height = state.height;
    _elapsed = state.elapsed;
    _chipCount = state.colourCount;
    _levelTime = state.levelTime;
    _tipTime = state.tipTime;
    std::copy(std::begin(state.sunInc), std::end(state.sunInc), _sunInc + 4);
    _stageIndex = state.stageIndex;
    // Outside the help mode the list is read and left.
    if (_isHelpMode) {
        _helpRandoms = state.list;
        _helpRandomIndex = 0;
    }
    std::copy(state.colours.begin(), state.colours.end(), _chips);
    _levelGrid.Clear();
    std::size_t next = 0;
    for (int x = -1; x <= _width; ++x)
        for (int y = -1; y <= _height; ++y)
            _levelGrid.Set(x, y, state.codes[next++]);
    for (int x = 0; x < LevelGrid::kSide; ++x)
        std::fill(std::begin(_kinds[x]), std::end(_kinds[x]), kNoSquare);
    next = 0;
    for (int x = 0; x < _width; ++x)
        for (int y = 0; y < _height; ++y)
            _kinds[x][y] = state.kinds[next++];

    DeleteAllSquares();
    for (int x = 0; x < _width; ++x)
        for (int y = 0; y < _height; ++y)
            if (_kinds[x][y] != kNoSquare)
                AddSquare(std::make_unique<Square>(x, y, static_cast<float>(x * _cellSize),
                                                   static_cast<float>(y * _cellSize), _kinds[x][y]));
    _framePieces.clear();
    BuildBoardFrame();

    _isPlayerMove = false;
    RunFalling(-80.0f, 0.02f, 0.02f);
    for (const std::unique_ptr<Square>& square : _squares)
        square->alpha = 255.0f;
    for (auto& column : _cellFade)
        std::fill(std::begin(column), std::end(column), 255);
}
