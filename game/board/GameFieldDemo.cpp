// The demo: the board plays itself on the countries' levels. A demo cursor
// moves over the board along planned steps and presses where they end; after
// a while the demo moves on to another country.

#include "game/board/GameField.h"

#include "engine/platform/HtmlLog.h"
#include "engine/platform/MainWindow.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardPictures.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/Message.h"
#include "gui/ResourceAccess.h"
#include "gui/ScreenImpl.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr int kStages = 7;
const Point kMenuAway(1000, 0);
const char* const kCountries[kStages] = {"Phoenicia", "Babylon", "Egypt", "Carthage", "Rome", "Greece", "Troy"};

// 100 to 200 points a second: the cursor's approach.
float ApproachSpeed()
{
    return RandomUnit() * 100.0f + 100.0f;
}

Widget* StageMenuButton(int stage)
{
    Layer* layer = GUI.getLayer("StageLayer_" + IntToString(stage));
    return layer ? layer->getWidget("Menu") : nullptr;
}

} // namespace

void GameField::RunDemo(int stage)
{
    if (stage < 1 || stage > kStages) {
        LogError("GameField", "RunDemo: stage " + IntToString(stage) + " is not a country (1 to 7); no demo");
        return;
    }
    _bannerTile = BoardPicture("#message_tile_texture");
    if (_messages.find("nagText") == _messages.end())
        LoadMessages();
    const auto nag = _messages.find("nagText");
    _bannerText = nag != _messages.end() ? nag->second : TextBlock();

    _stage = stage;
    if (Widget* menu = StageMenuButton(stage)) {
        if (!_demoMenuMoved) {
            _demoMenuPosition = menu->position;
            _demoMenuMoved = true;
        }
        menu->SetPosition(kMenuAway);
    }
    AcceptMessage(Message("Reset"));

    gameInfo.SetDemoMode(true);
    Player& player = ActivePlayer();
    player.levelNotComp = true;
    player.hintsEnabled = false;
    _bannerShown = true;
    _bannerAlpha = 255.0f;
    _endLevelRunning = true;

    for (int i = 0; i < kBonusButtons; ++i)
        player.bonusCount[i] = RandomIndex(3) + 2;
    player.stage = stage;
    // The country's pieces, on the board and collected, are drawn.
    UploadArtefactElements(stage - 1);
    player.level = stage == 1 ? RandomIndex(5) + 1 : RandomIndex(9) + 1;
    LoadLevel(gameInfo.getLevelFileName());
    AcceptMessage(Message("InitLevelView"));

    _sunEnergy = 0.0f;
    _sunComplete = false;
    const int feeds = RandomIndex(19) + 1;
    for (int i = 0; i < feeds; ++i)
        AddSunEnergy(4);
    player.sunEnergy = _sunEnergy;

    FillBoard();
    for (int x = 0; x < _width; ++x)
        for (int y = 0; y < _height; ++y)
            _cellFade[x][y] = 255;
    for (FramePiece& piece : _framePieces)
        piece.alpha = 255;

    AcceptMessage(Message("SetActive", 1));
    _demoStepTime = 0.0f;
    _isDemo = true;
    _endLevelRunning = true;
    SetBlocked(false, "GameField::RunDemo");
    _demoStepIndex = 0;
    _demoSteps.clear();
    _demoCursor = Point(400, 300);
    _checkMovesPending = false;
    _demoBoardTime = 0.0f;
    _demoKeyPresses = g_keyPresses;
}

void GameField::StopDemo()
{
    Reset();
    gameInfo.SetDemoMode(false);
    AcceptMessage(Message("SetActive", 0));
    _isDemo = false;
    _bannerShown = false;
    _demoSteps.clear();
    _demoStepIndex = 0;
    if (_demoMenuMoved) {
        if (Widget* menu = StageMenuButton(_stage))
            menu->SetPosition(Point(_demoMenuPosition.x, 600 - _demoMenuPosition.y));
        _demoMenuMoved = false;
    }
}

namespace {

// Plans cursor steps from a start point; each step ends within 4 points of
// a cell's centre or at a given point.
class DemoPlanner {
public:
    DemoPlanner(GameField& field, std::vector<DemoStep>& steps, const Point& from)
        : _field(field), _steps(steps), _x(static_cast<float>(from.x)), _y(static_cast<float>(from.y))
    {
    }

    void ToPoint(float x, float y, float speed)
    {
        DemoStep step;
        SetCurveKeys(step.x, {_x, x});
        SetCurveKeys(step.y, {_y, y});
        // A step that stays in place ends in one second's part of the speed.
        const float distance = std::max(1.0f, std::hypot(x - _x, y - _y));
        step.rate = speed / distance;
        _steps.push_back(std::move(step));
        _x = x;
        _y = y;
    }

    void ToCell(const Point& cell, float speed)
    {
        const int size = _field._cellSize;
        const int j1 = RandomIndex(8);
        const int j2 = RandomIndex(8);
        ToPoint(static_cast<float>(_field._originX + cell.x * size + size / 2 - 4 + j1),
                static_cast<float>(_field._originY + cell.y * size + size / 2 - 4 + j2), speed);
    }

    void ToButton(int button, float speed)
    {
        const HoverRect& rect = _field._bonusButtons[button];
        ToPoint(rect.left + 18.0f, rect.top + 22.0f, speed);
    }

private:
    GameField& _field;
    std::vector<DemoStep>& _steps;
    float _x;
    float _y;
};

// A random entry of the cells, or none for an empty list.
bool PickCell(const std::vector<Point>& cells, Point& cell)
{
    if (cells.empty())
        return false;
    cell = cells[static_cast<std::size_t>(RandomIndex(static_cast<int>(cells.size())))];
    return true;
}

} // namespace

void GameField::PlanDemoMove()
{
    const Player& player = ActivePlayer();
    DemoPlanner plan(*this, _demoSteps, _demoCursor);

    // The bomb, dropped on the deepest bonus or artefact piece.
    if (RandomIndex(19) == 0 && player.bonusCount[kBombButton] >= 1) {
        std::vector<Point> levelCells;
        for (int x = 0; x < _width; ++x)
            for (int y = 0; y < _height; ++y)
                if (_levelGrid.At(x, y) != 0)
                    levelCells.emplace_back(x, y);
        Point target;
        if (PickCell(levelCells, target)) {
            UpdateKindMap();
            int deepest = -1;
            for (const std::unique_ptr<Square>& square : _squares) {
                if (square->kind < 0x40 || square->kind > 0x9F)
                    continue;
                int depth = 0;
                while (depth < _height && _levelGrid.IsCell(square->x, square->y - depth - 1))
                    ++depth;
                int row = square->y - depth;
                for (int k = 0; k < 2; ++k)
                    if (row < _height - 2 && _levelGrid.IsCell(square->x, row + 1))
                        ++row;
                if (depth > deepest) {
                    deepest = depth;
                    target = Point(square->x, row);
                }
            }
            plan.ToButton(kBombButton, ApproachSpeed());
            plan.ToCell(target, ApproachSpeed());
            return;
        }
    }

    // The charged sun.
    if (RandomIndex(3) == 0 && _sunComplete) {
        plan.ToPoint(static_cast<float>(_sunPosition.x + 50), static_cast<float>(_sunPosition.y + 50), ApproachSpeed());
        return;
    }

    // The flash, on a chip of the kind the most squares show.
    if (RandomIndex(19) == 0 && player.bonusCount[kFlashButton] > 0) {
        std::map<int, int> counts;
        for (const std::unique_ptr<Square>& square : _squares)
            if (square->kind >= 0 && square->kind < 0x30)
                ++counts[square->kind];
        int kind = -1;
        int most = 0;
        for (const auto& entry : counts)
            if (entry.second > most) {
                most = entry.second;
                kind = entry.first;
            }
        std::vector<Point> cells;
        for (const std::unique_ptr<Square>& square : _squares)
            if (square->kind == kind && _levelGrid.IsCell(square->x, square->y))
                cells.emplace_back(square->x, square->y);
        Point target;
        if (PickCell(cells, target)) {
            plan.ToButton(kFlashButton, ApproachSpeed());
            plan.ToCell(target, ApproachSpeed());
            return;
        }
    }

    // A move; one that lowers a bonus or an artefact piece goes first.
    const std::list<MoveRecord> found = FindMoves();
    if (found.empty())
        return;
    std::vector<Point> pieces;
    for (const std::unique_ptr<Square>& square : _squares)
        if (square->kind >= 0x41 && square->kind <= 0x9F)
            pieces.emplace_back(square->x, square->y);
    std::vector<MoveRecord> moves(found.begin(), found.end());
    for (int k = 0; k < 32; ++k) {
        const std::size_t a = static_cast<std::size_t>(RandomIndex(static_cast<int>(moves.size())));
        const std::size_t b = static_cast<std::size_t>(RandomIndex(static_cast<int>(moves.size())));
        std::swap(moves[a], moves[b]);
    }
    MoveRecord chosen = moves.front();
    for (const MoveRecord& move : moves)
        for (const Point& piece : pieces)
            if ((move.x1 == piece.x || move.x2 == piece.x) && move.y1 <= piece.y)
                chosen = move;
    plan.ToCell(Point(chosen.x2, chosen.y2), ApproachSpeed());
    plan.ToCell(Point(chosen.x1, chosen.y1), RandomUnit() * 50.0f + 50.0f);
}

void GameField::NoteDemoInput()
{
    if (_isDemo)
        PostMessage(Message("DemoInput", "press", _stage));
}

bool GameField::StepDemo(float dt)
{
    if (!_isDemo || !_isActive)
        return false;

    if (g_keyPresses != _demoKeyPresses)
        NoteDemoInput();
    _demoKeyPresses = g_keyPresses;
    // The screen's fade puts the stage's "Menu" button back where the layer
    // has it: the demo keeps it off the screen.
    if (_demoMenuMoved)
        if (Widget* menu = StageMenuButton(_stage))
            if (menu->position.x != kMenuAway.x)
                menu->SetPosition(kMenuAway);

    if (_bannerShown) {
        _bannerAlpha = std::max(0.0f, _bannerAlpha - dt * 128.0f);
        if (!_isBlocked) {
            Player& player = ActivePlayer();
            player.levelTime = 0.0f;
            player.timeToLevel = 100.0f;
            _elapsed = 0.0f;
            _canAcceptMouse = true;
            if (_demoStepIndex < static_cast<int>(_demoSteps.size())) {
                const DemoStep& step = _demoSteps[static_cast<std::size_t>(_demoStepIndex)];
                _demoStepTime += dt * step.rate;
                if (_demoStepTime >= 1.0f) {
                    _demoCursor = Point(static_cast<int>(step.x.getGlobalFrame(1.0f)),
                                        static_cast<int>(step.y.getGlobalFrame(1.0f)));
                    MouseDown(_demoCursor);
                    MouseUp(_demoCursor);
                    _demoStepTime = -0.3f;
                    ++_demoStepIndex;
                } else if (_demoStepTime >= 0.0f) {
                    const float t = ease(_demoStepTime, 0.4f, 0.6f);
                    _demoCursor = Point(static_cast<int>(step.x.getGlobalFrame(t)),
                                        static_cast<int>(step.y.getGlobalFrame(t)));
                    MouseMove(_demoCursor);
                }
            }
            if (_demoStepIndex >= static_cast<int>(_demoSteps.size())) {
                _demoSteps.clear();
                PlanDemoMove();
                _demoStepIndex = 0;
            }
            _canAcceptMouse = false;
        }
        _demoBoardTime += dt;
        if (_demoBoardTime > kDemoBoardTime)
            _bannerShown = false;
    } else {
        _bannerAlpha += dt * 128.0f;
        if (_bannerAlpha > 255.0f)
            MoveDemoOn();
    }

    if (_highlightSquare) {
        _highlightClock += dt;
        if (_highlightClock > 2.5f) {
            _highlightClock = 0.0f;
            Square::PlayHighlight(_highlightSquare);
        }
    }
    _artefactFlashTime -= dt;
    if (_artefactFlashTime < 0.0f)
        StartArtefactFlash();
    _effectClock += dt;
    return true;
}

void GameField::MoveDemoOn()
{
    const int stage = _stage;
    StopDemo();
    if (stage >= 1 && stage <= kStages)
        GuiResources::ReleaseGroup(kCountries[stage - 1]);
    // The stage's pictures are grouped under its layer's name, and the layer
    // being left is the current one, which is on no stack.
    const std::string leaving = Screen.GetTopLayerName();
    if (!leaving.empty())
        GuiResources::ReleaseGroup(leaving);
    Screen.ReleaseLayerResources();
    Screen.ClearLayers();
    const int next = RandomIndex(6) + 1;
    const std::string layerName = "StageLayer_" + IntToString(next);
    GuiResources::UploadGroup(layerName);
    Layer* layer = GUI.getLayer(layerName);
    if (!layer) {
        LogError("GameField", "The demo cannot move on: no layer " + layerName);
        return;
    }
    Screen.SetLayer(layer);
    if (Widget* board = layer->getWidget("GameField"))
        board->AcceptMessage(Message("RunDemo", next));
    _bannerAlpha = 255.0f;
}
