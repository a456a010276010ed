// The board: construction, geometry, its squares and its controllers by name.

#include "game/board/GameField.h"

#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "game/board/BoardPictures.h"
#include "game/board/ChipKnockClock.h"
#include "game/board/FieldController.h"
#include "game/board/GameFieldObserver.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/FieldEffect.h"
#include "game/state/GameInfo.h"
#include "gui/GameFieldHook.h"
#include "gui/StringTable.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"

#include <algorithm>

namespace {

// A registered picture, flagged to stay loaded unless a country's; null
// when none is registered.
Sprite* KeptTexture(const std::string& name)
{
    return KeptBoardPicture(name);
}

// A picture loaded from its file, the board's own.
OwnedSprite LoadedSprite(const std::string& fileName)
{
    OwnedSprite sprite = LoadSpriteFile(fileName);
    if (sprite)
        sprite->keepLoaded = true;
    return sprite;
}

template <typename T, std::size_t W, std::size_t H>
void FillGrid(T (&grid)[W][H], T value)
{
    for (auto& column : grid)
        std::fill(std::begin(column), std::end(column), value);
}

} // namespace

const char* const GameField::kTraceSource = ".\\GameField.cpp";

Player& ActivePlayer()
{
    return gameInfo.GetPlayer(gameInfo.getName());
}

Widget* CreateGameFieldWidget(const TiXmlElement* element)
{
    return CreateWidgetOfKind<GameField>(element);
}

void InstallGameFieldCreator()
{
    SetGameFieldCreator(&CreateGameFieldWidget);
}

GameField::GameField(const std::string& widgetName, const TiXmlElement* /*element*/) : Widget(widgetName)
{
    // 1. Counters, flags and pointers start empty, but for these.
    FillGrid(_kinds, kNoSquare);
    FillGrid(_plannedKinds, kNoSquare);
    FillGrid(_cellFade, 128);
    std::fill(std::begin(_pieceGlow), std::end(_pieceGlow), 0.0f);
    _chain5Moves = gameInfo.GetChain5();
    _chain9Moves = gameInfo.GetChain9();
    _chain12Moves = gameInfo.GetChain12();
    _pointsPerLife = gameInfo.GetLifeBonusScores();
    SetCurveKeys(_heartCurve, {1.0f, 1.0f, 2.0f, 1.0f, 1.0f, 2.0f, 1.0f, 1.0f, 1.0f, 1.0f});
    ChipKnockClock::Reset();

    // 2. to 5. Pictures and texts.
    _babylonTorches = KeptTexture("#BabylonFakely");
    _babylonMask = KeptTexture("#BabylonMask");
    _flashTexture = KeptTexture("#flash");
    _lightSprite = LoadedSprite(".\\Textures\\Particles\\light.jpg");
    _stageText = GetText("Stage");
    _noMovesText = GetText("NoMovesReshuffle");
    _timeOutText = GetText("HarryUpTimeIsOut");
    _levelCompleteText = GetText("LevelComplete");
    _youLoseLifeText = GetText("YouLoseLife");
    LoadMessages();
    const char* const tips[kBonusButtons] = {"SwapBonusTip1", "SwapBonusTip2", "BombBonusTip", "FlashBonusTip"};
    for (int i = 0; i < kBonusButtons; ++i)
        _bonusTips[i] = GetMessageText(tips[i]);
    _sunBorder = KeptTexture("#SunBorder");
    _sunBorderSmall = KeptTexture("#SunBorderSmall");
    _troyWheel = KeptTexture("#koleso_troy");
    _romeOrnament = KeptTexture("#ShtuchkaRome");
    _timerEmpty = KeptTexture("#timer_empty");
    _fireflySprite = LoadedSprite("textures\\Fields\\firefly.tga");

    // 6. The ornaments at rest until a level's frame replaces them.
    SetUpSwingPieces();

    // 7.
    SetCanAcceptMouse(true, "_canAcceptMouse = ", "GameField::GameField");

    // 8. The remaining pictures.
    LoadPictures();
    _sunPosition = Point(90, 67);

    // 9. to 12.
    SetUpBonusButtons();
    SetRect(0, 0, 800, 600);
    _observer = new GameFieldObserver(this);
    kernel.AddController(_observer);
    _idleTime = 0.0f;
    LoadLevNameMap();
}

int GameField::PlayedStage() const
{
    return _stage >= 1 ? _stage : ActivePlayer().stage;
}

GameField::~GameField()
{
    // Nothing that runs may reach the board or its squares from here on.
    kernel.StopControllersOf(this);
    _observer = nullptr;
    _fieldEffects.clear();
    _highlightSquare = _swapFirst = _swapSecond = nullptr;
    _squares.clear();
}

void GameField::LoadPictures()
{
    _squaresTexture = KeptTexture("#squares_texture");
    _timerTexture = KeptTexture("#timer_texture");
    _arrowTexture = KeptTexture("#ARROW");
    _arrowSmallTexture = KeptTexture("#ARROW_SMALL");
    _livesTexture = KeptTexture("#lives");
    _piecesTexture = KeptTexture("#squarePieces");
    _piecesTexture2 = KeptTexture("#squarePieces2");
    _fieldBg3 = KeptTexture("#FieldBG_3");
    _energyTexture = KeptTexture("#Energy");
    _scopeTexture1 = KeptTexture("#scope_tex1");
    _cursorSprite = LoadedSprite("textures\\cur_normal.tga");
}

void GameField::SetUpSwingPieces()
{
    _swingPieces.clear();
    for (int x = 369; x < 765; x += 66)
        _swingPieces.emplace_back(x, 80, 1);
    for (const Point& p : {Point(140, 208), Point(141, 71), Point(53, 140), Point(224, 144)})
        _swingPieces.emplace_back(p.x, p.y, 2);
}

void GameField::SetUpBonusButtons()
{
    // Index = stock bonus: 0 flash, 1 time, 2 swap, 3 bomb.
    const struct {
        int x, y, picture;
    } places[kBonusButtons] = {{207, 51, 0}, {32, 52, 3}, {33, 143, 2}, {206, 143, 1}};
    for (int i = 0; i < kBonusButtons; ++i) {
        HoverRect& button = _bonusButtons[i];
        button.left = static_cast<float>(places[i].x);
        button.top = static_cast<float>(places[i].y);
        button.picture = places[i].picture;
        button.state = HoverRect::kIdle;
        button.count = 0;
        button.size = _cellSize;
    }
}

// ------------------------------------------------------------ controllers

std::string GameField::ControllerName(const std::string& controllerName) const
{
    return name + "_" + controllerName;
}

FieldController* GameField::OwnController(IController* controller, const std::string& ownName) const
{
    auto* own = dynamic_cast<FieldController*>(controller);
    return own && own->Field() == this && own->OwnName() == ownName ? own : nullptr;
}

void GameField::StopController(const std::string& controllerName)
{
    for (IController* controller : kernel.Active())
        if (FieldController* own = OwnController(controller, controllerName))
            own->_finished = true;
}

void GameField::PauseController(const std::string& controllerName)
{
    for (IController* controller : kernel.Active())
        if (FieldController* own = OwnController(controller, controllerName))
            own->_paused = true;
}

void GameField::ResumeController(const std::string& controllerName)
{
    for (IController* controller : kernel.Active())
        if (FieldController* own = OwnController(controller, controllerName))
            own->_paused = false;
}

void GameField::StopControllerEverywhere(const std::string& controllerName)
{
    kernel.ForEachController([this, &controllerName](IController& controller) {
        if (FieldController* own = OwnController(&controller, controllerName))
            own->Stop();
    });
}

void GameField::AddController(FieldController* controller)
{
    kernel.AddController(controller);
}

void GameField::DrawEffectsByPass()
{
    for (int pass = 1; pass <= 3; ++pass) {
        // A copy: an effect may end while the list is drawn.
        const std::list<FieldEffect*> effects = _fieldEffects;
        for (FieldEffect* effect : effects)
            if (effect->_drawPass == pass)
                effect->Draw();
    }
}

// --------------------------------------------------------------- geometry

bool GameField::PointToCell(int px, int py, Point& cell) const
{
    if (px <= _originX || py <= _originY)
        return false;
    cell.x = (px - _originX) / _cellSize;
    cell.y = (py - _originY) / _cellSize;
    return cell.x < _width && cell.y < _height;
}

void GameField::SetOrigin(int x, int y)
{
    _originX = x;
    _originY = y;
}

void GameField::SetAnchorPoint(int x, int y)
{
    _sunOffset = Point(x, y);
}

// ---------------------------------------------------------------- squares

std::unique_ptr<Square> GameField::TakeSquare(Square* square)
{
    const auto found = std::find_if(_squares.begin(), _squares.end(),
                                    [square](const std::unique_ptr<Square>& s) { return s.get() == square; });
    if (found == _squares.end())
        return nullptr;
    kernel.ForEachController([this, square](IController& controller) {
        auto* own = dynamic_cast<FieldController*>(&controller);
        if (own && own->Field() == this)
            own->OnSquareLeaving(square);
    });
    if ((_isSelected || _isPressed) && FindSquare(_selectedCell.x, _selectedCell.y) == square)
        _isSelected = _isPressed = false;
    if (_highlightSquare == square)
        _highlightSquare = nullptr;
    if (_swapFirst == square)
        _swapFirst = nullptr;
    if (_swapSecond == square)
        _swapSecond = nullptr;
    std::unique_ptr<Square> taken = std::move(*found);
    _squares.erase(found);
    return taken;
}

void GameField::DeleteSquare(Square* square)
{
    TakeSquare(square);
}

void GameField::DeleteAllSquares()
{
    while (!_squares.empty())
        DeleteSquare(_squares.front().get());
}

Square* GameField::FindSquare(int x, int y) const
{
    for (const std::unique_ptr<Square>& square : _squares)
        if (square->x == x && square->y == y)
            return square.get();
    return nullptr;
}

Square* GameField::AddSquare(std::unique_ptr<Square> square)
{
    _squares.push_back(std::move(square));
    return _squares.back().get();
}
