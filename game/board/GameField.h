#pragma once

// The match-3 board: a widget ("GameField" in layer files) that owns the
// level's cell grid, the squares standing on it, its texts and pictures, and
// the state every board operation reads. Scripts and the board's own
// controllers drive it by messages (AcceptMessage).
//
// Coordinates: a cell is (x, y), x the column from 0 at the left, y the row
// from 0 at the bottom; the screen rectangle of a cell starts at
// (_originX + x * _cellSize, _originY + y * _cellSize), y upward.
//
// The implementation is split by topic: GameField.cpp (construction,
// geometry, squares, controllers by name), GameFieldLevel.cpp (the level and
// data files), GameFieldStart.cpp (start, fill, drop-in, reset, restart),
// GameFieldMessages.cpp (the message table), GameFieldDiagnostics.cpp (trace,
// dump), GameFieldMoves.cpp (the kind grid, lines and moves).

#include "engine/render/Sprite.h"
#include "engine/util/Point.h"
#include "engine/util/SplinePath.h"
#include "game/board/BoardFrame.h"
#include "game/board/DemoStep.h"
#include "game/board/HelpAction.h"
#include "game/board/HoverRect.h"
#include "game/board/LevNameMapFile.h"
#include "game/board/LevelGrid.h"
#include "game/board/MessagesFile.h"
#include "game/board/SunRay.h"
#include "game/board/TraceLog.h"
#include "game/board/ValueSlot.h"
#include "game/state/LevelInfo.h"
#include "gui/TextResource.h"
#include "gui/Widget.h"
#include "gui/effects/EffectHandle.h"

#include <list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class FieldController;
class IController;
class FieldEffect;
class GameFieldObserver;
class MessageBox;
class Player;
class Square;
class SquareFall;
class TiXmlElement;
struct LevelRecord;

// One possible swap: (x2, y2) is the right or upper neighbour of (x1, y1).
struct MoveRecord {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};

class GameField : public Widget {
public:
    static constexpr int kCellSize = 40;
    static constexpr int kBonusButtons = 4;

    // The widget factory's form: the name and the layer file's element.
    GameField(const std::string& name, const TiXmlElement* element);
    // Stops every controller of the board, then frees the squares.
    ~GameField() override;

    // ---------------------------------------------------------- controllers
    // The board's name, "_" and the name: every board controller's full
    // name, as the logs show it.
    std::string ControllerName(const std::string& name) const;
    // The board's own running controllers of that own name (found by their
    // board, so boards of one widget name stay apart).
    void StopController(const std::string& name);
    void PauseController(const std::string& name);
    void ResumeController(const std::string& name);
    // Stops every controller of the board with that name, also one added in
    // this frame and not yet running (the reset's and the restart's stop).
    void StopControllerEverywhere(const std::string& name);
    // The controller, when it is this board's and has that own name.
    FieldController* OwnController(IController* controller, const std::string& ownName) const;
    // Hands a new board controller to the manager.
    void AddController(FieldController* controller);
    // Draws the board effects: pass 1, then 2, then 3, each in list order.
    void DrawEffectsByPass();

    // ------------------------------------------------------------ geometry
    // The cell under a screen point; false outside the board (a point on
    // the left or bottom border line is outside).
    bool PointToCell(int px, int py, Point& cell) const;
    void SetOrigin(int x, int y);
    void SetAnchorPoint(int x, int y);
    // Inside 0 <= x < _width, 0 <= y < _height.
    bool IsOnBoard(int x, int y) const { return x >= 0 && y >= 0 && x < _width && y < _height; }

    // -------------------------------------------------------------- squares
    // The one way a square leaves the board: the board's controllers that
    // hold it let it go, the highlight, the swap pair and the selection
    // forget it, and its node leaves _squares. The caller gets it.
    std::unique_ptr<Square> TakeSquare(Square* square);
    // TakeSquare, and the square is freed.
    void DeleteSquare(Square* square);
    // Every square, in list order.
    void DeleteAllSquares();
    // The first square of _squares standing in the cell, or null.
    Square* FindSquare(int x, int y) const;
    // Takes a new square onto the board at the end of _squares.
    Square* AddSquare(std::unique_ptr<Square> square);

    // ---------------------------------------------------- level and files
    // Reads the level of that name from level.xml into the board.
    void LoadLevel(const std::string& levelName);
    // Messages.xml into _messages.
    void LoadMessages();
    // The text block of that name (an empty one, added, for a name not there).
    TextBlock& GetMessageText(const std::string& name);
    // The points of the trace of that name from traces.xml, cached.
    const std::vector<Point>& LoadTraces(const std::string& name);
    // The frame pieces, ornaments and decoration points of the level's shape
    // (GameFieldFrame.cpp).
    void BuildBoardFrame();
    // The board holds a level it can fill.
    bool HasLevel() const { return _levelLoaded; }
    // The level last asked for was read: a board whose level did not load
    // neither fills nor runs, so it can never be won or lost.
    bool LevelPlayable() const { return _levelLoaded && !_loadFailed; }

    // --------------------------------------------- start, reset, restart
    void StartLevel(bool reload);
    // Random chips that make no line and leave a move, seeded from the clock.
    void FillBoard();
    // Every square falls into its cell from above the board.
    void DropInSquares(float baseDelay);
    // Everything stops; the board ends empty, unblocked and inactive.
    void Reset() override;
    // The running moves stop; the board ends empty and unblocked.
    void Restart();
    void RestartHelp();
    // The board's progress into the active profile.
    void StoreProgress();

    // ----------------------------------------------------------- messages
    void AcceptMessage(const Message& message) override;
    // The end-of-level test, run after every settled move and once a
    // second: no artefact piece left completes the level, the time used
    // beyond the time allowed loses it; either waits while the board is busy.
    void CheckCompleteLevel();
    // Skips to the next level, or back one ("NextLevel" is posted for the
    // screen's script); refused while the board is blocked or shows a tip.
    void NextLevel();
    void PreviousLevel();
    // A piece in flight, a moving board or a tip box: the end of the level,
    // the fast completion and the reshuffle wait.
    bool IsBusy() const;
    // The open tip box, found by its name among the children; null when no
    // tip is shown.
    MessageBox* OpenTipBox() const;

    // The parts the messages and the end test start, each in the file of
    // its topic: the end of a level (0 complete, 1 time out) and the lost
    // life (GameFieldEndLevel.cpp); the artefact's collecting and the dead
    // board's reshuffle (GameFieldTips.cpp); the demo (GameFieldDemo.cpp).
    void StartEndLevelManager(int outcome);
    void StartDecLives();
    void StartArtefactCollecting();
    void NoMoves(const std::string& reason);
    void RunDemo(int stage);
    void StopDemo();

    // ------------------------------------------------------- diagnostics
    // Stamps the text and keeps it in _traceLog.
    void WriteTrace(const std::string& text);
    // _isBlocked with its trace line ("isBlocked=true in " or
    // "isBlocked=false in ", the source, the operation, the board's name).
    void SetBlocked(bool blocked, const std::string& operation, const std::string& source = kTraceSource);
    // _canAcceptMouse with its trace line (the label, "1" or "0", " in ",
    // the source, the operation, the board's name).
    void SetCanAcceptMouse(bool accept, const std::string& label, const std::string& operation);
    // "WriteDebugInfo": the flags to the log and the trace, the trace to
    // log2.txt beside log.htm, the controllers to the log.
    void WriteDebugInfo();
    // The board's state as numbers, one a line, for the help board's loader.
    void DumpState(const std::string& fileName);
    // Where "WriteDebugInfo" writes the trace.
    static std::string DebugTracePath();
    static const char* const kTraceSource;

    // ---------------------------------------------------- lines and moves
    // _kinds from _squares: -1 everywhere on the board, then each square's
    // kind at its cell (a later square wins).
    void UpdateKindMap();
    // Exchanges two kinds of _kinds; refused outside the board, on an empty
    // cell or a fixed kind.
    bool SwapCells(int x1, int y1, int x2, int y2);
    // The square in the cell is part of a run of three of its colour.
    bool IsMatchAt(int x, int y) const;
    // Every swap of neighbours that makes a line, column by column.
    std::list<MoveRecord> FindMoves();
    // The match check: finds the runs of three or more; in full mode it
    // scores and destroys them and lets the board fall, or ends the move
    // (GameFieldMatch.cpp). testOnly only looks (and with eraseMatched
    // empties the matched cells of _kinds); keepKinds uses _kinds as it is.
    bool CheckMatch3(bool testOnly, bool keepKinds, bool eraseMatched);
    // The squares drop into the gaps and new ones fall in (GameFieldFall.cpp).
    void RunFalling(float startSpeed, float delayStep, float newDelayStep);
    // The kinds of the new squares into _plannedKinds: no line, or (wantMatch)
    // a line.
    void PlanRefill(bool wantMatch);
    // The sun's energy for a group of that many chips.
    void AddSunEnergy(int runLength);
    // A bonus square, artefact piece or musor (which its callers find in the
    // lowest level cell of its column) leaves the board: its leaving effect
    // starts and the square is deleted; false for any other square, which
    // stays (GameFieldBonus.cpp).
    bool StartLeavingEffect(Square* square);
    // The tutorial tip of an event. Filled by the tips; until then none.
    void ShowTip(int event, int argument);

    // ======================================== moves: input, match and fall
    // GameFieldInput.cpp: the mouse, the selection and the swap;
    // GameFieldMatch.cpp: the match check, destruction, score and sun;
    // GameFieldFall.cpp: the fall, the refill and the saved board state;
    // GameFieldBonus.cpp: the squares that leave at the bottom.

    // A press selects a chip or swaps it with the selected neighbour, and
    // picks the bonus buttons and the sun; the release selects the pressed
    // chip; the pointer highlights, drags and swings the ornaments.
    bool MouseDown(const Point& p) override;
    void MouseUp(const Point& p) override;
    void MouseMove(const Point& p) override;
    // The two squares trade places (the board blocks) and the match check
    // follows. Does nothing unless both stand on the board.
    void RunSwap(Square* first, Square* second);
    // The swap bonus on two chips; false when it cannot take them.
    bool DoSwapBonus(Square* first, Square* second);
    // The chosen bonus and its tip text are dropped.
    void ClearSelection();
    // The square under the pointer becomes the highlighted one.
    void UpdateHover(const Point& p);

    // How DestroySquare lets a square go.
    enum DestroyMode { kDestroyNone = -1, kDestroyThrow = 1, kDestroyThrowHigh = 2, kDestroyShatter = 3 };
    // A matched or struck square: a cover loses one layer, a chip leaves by
    // its destroyer (kDestroyNone: the caller removes it). Nothing on an
    // empty cell.
    void DestroySquare(int x, int y, float spread, int mode, int pushX, int pushY);
    // Score for the level and the profile; a life bonus when the score
    // passes a multiple of the points per life.
    void AddScore(int points);
    // Deletes the first square in the cell, if any.
    void RemoveSquare(int x, int y);
    // Ice spreads from an ice-covered chip to one plain neighbour; false
    // while blocked or under a tip window.
    bool SpreadIce();
    // A board saved by DumpState (the help board); a bad file is refused
    // whole with a log line and the board stays as it was.
    void LoadBoardState(const std::string& fileName);
    // Bonuses, artefact pieces and musor standing in the lowest cell of
    // their column leave the board; with runFall the board then falls.
    void CheckBonusOrArtefactDown(bool runFall);
    // The profile's record of the board's level, and its store (nothing is
    // stored while the board has no level number).
    LevelInfo CurrentLevelInfo();
    void StoreCurrentLevelInfo(const LevelInfo& record);

    // The effects, bonuses and checks the play sets off. Virtual so that
    // tests can watch them.
    // The chips of a big group fly into the sun and feed it.
    virtual void FlyChipToSun(const std::vector<Point>& cells);
    // A life is added.
    virtual void AddLifeEffect();
    // A floating score or chain text ("+40", "x3").
    virtual void ShowScoreText(const std::string& text, const Point& at, int chainLevel, bool silent);
    // A chain picture (the texture of that name) and its word.
    virtual void ShowComboText(const std::string& pictureName, const Point& at, int width, int height);
    // A big announcement text.
    virtual void ShowLetterText(const std::string& text, const Point& at, float value);
    // The bonuses fired by the mouse.
    virtual void DoBombBonus(int x, int y);
    virtual void DoSunBonus();
    virtual void AddTimeBonus();
    virtual void StartWonderBonus(int x, int y);
    // The dead-board check and the artefact flash.
    virtual void CheckNoMoves();
    virtual void StartArtefactFlash();

    // GameFieldTips.cpp: the tip window, the tutorial tips, the hint, the dead
    // board's reshuffle and the artefact's hand-over.
    // Opens the tip of that name at the point (near it, or centred on it);
    // false when tips are off, the level's time is up, a bonus is chosen, the
    // tip is blocked or Messages.xml has no text for it.
    bool ShowTipWindow(const std::string& tipName, const Point& at, bool placeNear, bool withPointer);
    // An idle player is shown a move; a dead board reshuffles.
    void ShowHint();
    // Turns the level grid into the plan of a new deal and deals it: the
    // covers and the bonus and artefact pieces stay, the colours are drawn
    // anew.
    void PlanReshuffle();
    // The open tip box lies under the point: its presses are its own.
    bool TipBoxTakes(const Point& p) const;
    // The tips asked for that Messages.xml has no text for (logged once).
    std::set<std::string> _tipsWithoutText;

    // The thunder bonus: every chip of the kind's colour (iced ones too,
    // not those under a not-falling lock) is thrown off and the board falls.
    void DoThunderBonus(int kind);
    // A sparkling frame about two cells, and their squares lit, for that
    // many seconds (0 or less: until stopped).
    void ShowFrame(int x1, int y1, int x2, int y2, float duration);
    // The cells the charged sun strikes: the chip under each bonus and
    // artefact piece, one musor cell, and ten more chips at random (fewer
    // when the board has no more), column by column.
    std::vector<Point> SunTargets();

    // Swap-bonus movers alive: the last one to end runs the match check.
    int _swapBonusMovers = 0;
    // ==================================== end of moves: input, match and fall

    // ================================================================ data
    // Board and level data.
    int _width = 0;
    int _height = 0;
    int _cellSize = kCellSize;
    int _originX = 355;
    int _originY = 150;
    LevelGrid _levelGrid;
    int _kinds[LevelGrid::kSide][LevelGrid::kSide];
    int _plannedKinds[LevelGrid::kSide][LevelGrid::kSide];
    std::list<std::unique_ptr<Square>> _squares;
    int _chips[16] = {};
    int _chipCount = 0;
    int _lastColourIndex = 0;
    float _levelTime = 0.0f;
    float _tipTime = 0.0f;
    float _elapsed = 0.0f;
    float _idleTime = 0.0f;
    int _qMusor = 0;
    int _musorStep = 0;
    float _sunInc[16] = {};
    float _artefactFlashTime = 0.0f;
    std::vector<int> _artefactQueue;
    // The country the board plays: set when a level starts (or the demo
    // shows one). The profile's stage moves on the moment a country's last
    // level is won, while the board shows that country until the hand-over.
    int PlayedStage() const;
    int _stage = 0;
    int _level = 0;
    int _levelStartMaxStage = 0;
    int _levelStartMaxLevel = 0;
    int _levelStartBonusCounts[kBonusButtons] = {};
    LevelInfo _levelInfo;
    int _stageIndex = 0;
    Point _sunOffset{24, 350};
    float _pieceGlow[80];
    int _cellFade[LevelGrid::kSide][LevelGrid::kSide];
    // A level was read whole: no fill starts without one.
    bool _levelLoaded = false;
    // The last load failed; the player was told (outside the demo).
    bool _loadFailed = false;
    std::string _levelName;

    // Texts and tables.
    std::string _title;
    std::string _stageText;
    std::string _noMovesText;
    std::string _timeOutText;
    std::string _levelCompleteText;
    std::string _youLoseLifeText;
    TextBlock _bonusTips[kBonusButtons];
    MessageTexts _messages;
    std::map<std::string, std::vector<Point>> _traces;
    LevNameMap _levNameMap = {};
    TraceLog _traceLog;

    // Move and fall state.
    bool _isPlayerMove = false;
    Square* _swapFirst = nullptr;
    Square* _swapSecond = nullptr;
    int _chainStep = 0;
    int _chainTextX = 0;
    int _chainTextY = 0;
    int _movesSinceChain5 = 0;
    int _movesSinceChain9 = 0;
    int _movesSinceChain12 = 0;
    int _chain5Moves = 0;
    int _chain9Moves = 0;
    int _chain12Moves = 0;
    int _forcedRefills = 0;
    int _piecesThisMove = 0;
    int _moveCount = 0;
    bool _matchEnabled = true;
    bool _fallEnabled = true;
    int _fallCount = 0;
    bool _checkAfterFall = false;
    bool _fallAgain = false;
    bool _msg3Blocked = false;
    Point _artefactTextPoint;
    std::vector<int> _helpRandoms;
    int _helpRandomIndex = 0;

    // Input and selection.
    bool _canAcceptMouse = true;
    bool _isBlocked = false;
    bool _isPressed = false;
    bool _isSelected = false;
    Point _selectedCell;
    int _selectedBonus = -1;
    HoverRect _bonusButtons[kBonusButtons];
    float _bonusChosenTime = 0.0f;
    ValueSlot _tipSlot;
    Square* _highlightSquare = nullptr;
    float _highlightStart = 0.0f;
    float _highlightClock = 0.0f;
    Point _lastPointer;

    // Score, lives and sun.
    int _score = 0;
    int _shownScore = 0;
    int _shownLives = 0;
    int _pointsPerLife = 0;
    float _sunEnergy = 0.0f;
    float _shownSunEnergy = 0.0f;
    bool _sunComplete = false;
    bool _sunCharging = false;
    Point _sunPosition;
    EffectHandle _sunEffect;
    bool _sunStrike = false;
    EffectHandle _shineEffect;
    bool _shineSound1 = false;
    bool _shineSound2 = false;
    SplinePath<float> _heartCurve;
    float _sunScale = 0.0f;
    float _sunPulse = 0.0f;
    float _sunPulseEnd = 0.0f;
    float _sunHoverTime = 0.0f;
    float _sunGlow = 0.0f;
    float _nextSunRingTime = 0.0f;
    std::list<SunRay> _sunRays;
    int _artInFly = 0;

    // Clocks, seconds.
    float _effectClock = 0.0f;
    float _boardClock = 0.0f;
    float _pointerClock = 0.0f;
    float _checkClock = 0.0f;
    float _iceClock = 0.0f;
    float _ambientTimers[20] = {};

    // Level state.
    bool _stopTime = false;
    bool _isActive = false;
    bool _levelRunning = true;
    bool _endLevelRunning = false;
    bool _endLevelStarted = false;
    bool _timerVisible = false;
    bool _fillTimerStarted = false;
    bool _timeBonusRunning = false;
    bool _hurryShown = false;
    bool _reshuffleRunning = false;
    bool _checkMovesPending = false;
    bool _isVanishing = false;
    bool _babylonFireShown = false;
    // The stage's own particle effects (Babylon's fires), drawn with the
    // stage's decorations under the chips.
    EffectList _stageEffects;

    // Tips and titles.
    bool _isShowMessage = false;
    bool _closeTip = false;
    float _tipFade = 0.0f;
    bool _tipShown = false;
    bool _tipWithPointer = false;
    bool _tipsAllowed = false;
    Point _tipPosition;
    // The check box of the open tip box; set and cleared by the tip window,
    // which owns the box.
    Widget* _tipBoxValue = nullptr;
    bool _artefactPointer = false;
    bool _bonusPointer = false;
    int _pointerRows = 0;
    int _pointerStep = 0;

    // Frame.
    std::list<FramePiece> _framePieces;
    Sprite* _frameTexture = nullptr;
    std::vector<SwingPiece> _swingPieces;
    std::vector<Point> _dripPoints;
    std::vector<Point> _footPoints;

    // Effects and controllers. The effects belong to the controller manager.
    std::list<FieldEffect*> _fieldEffects;
    GameFieldObserver* _observer = nullptr;

    // Help and demo modes.
    bool _isHelpMode = false;
    bool _helpBoardVisible = true;
    Sprite* _helpBackground = nullptr;
    float _helpBackgroundAlpha = 0.0f;
    std::vector<HelpAction> _helpActions;
    Point _helpCursor;
    bool _isDemo = false;
    std::vector<DemoStep> _demoSteps;
    int _demoStepIndex = 0;
    float _demoStepTime = 0.0f;
    Point _demoCursor;
    bool _bannerShown = false;
    float _bannerAlpha = 0.0f;
    TextBlock _bannerText;
    Sprite* _bannerTile = nullptr;

    // Artefact collecting.
    bool _veilOn = false;
    int _veilAlpha = 0;
    float _artefactProgress = 0.0f;

    // Pictures, looked up by name and kept loaded (registered pictures are
    // the resource manager's; the three sprites loaded from files are the
    // board's own).
    Sprite* _background = nullptr;        // "#FieldBG_" + stage
    Sprite* _squaresTexture = nullptr;    // "#squares_texture", the chip atlas
    Sprite* _timerTexture = nullptr;      // "#timer_texture"
    Sprite* _timerEmpty = nullptr;        // "#timer_empty"
    Sprite* _arrowTexture = nullptr;      // "#ARROW"
    Sprite* _arrowSmallTexture = nullptr; // "#ARROW_SMALL"
    Sprite* _livesTexture = nullptr;      // "#lives"
    Sprite* _piecesTexture = nullptr;     // "#squarePieces"
    Sprite* _piecesTexture2 = nullptr;    // "#squarePieces2"
    Sprite* _fieldBg3 = nullptr;          // "#FieldBG_3"
    Sprite* _energyTexture = nullptr;     // "#Energy"
    Sprite* _scopeTexture1 = nullptr;     // "#scope_tex1"
    Sprite* _sunBorder = nullptr;         // "#SunBorder"
    Sprite* _sunBorderSmall = nullptr;    // "#SunBorderSmall"
    Sprite* _troyWheel = nullptr;         // "#koleso_troy"
    Sprite* _romeOrnament = nullptr;      // "#ShtuchkaRome"
    Sprite* _babylonTorches = nullptr;    // "#BabylonFakely"
    Sprite* _babylonMask = nullptr;       // "#BabylonMask"
    Sprite* _flashTexture = nullptr;      // "#flash"
    OwnedSprite _lightSprite;   // ".\Textures\Particles\light.jpg"
    OwnedSprite _fireflySprite; // "textures\Fields\firefly.tga"
    OwnedSprite _cursorSprite;  // "textures\cur_normal.tga"

    // ---------------------------------------------- the charged sun's shine
    // GameFieldSunWonder.cpp. One frame of the shine: ten points circling
    // the sun, the one the sparkle jumps to, the beams' start and the chain
    // of at most three points the beams hop along.
    struct SunWonderFrame {
        float pointX[10] = {};
        float pointY[10] = {};
        int sparkPoint = 0;
        float startX = 0.0f;
        float startY = 0.0f;
        std::vector<int> chain;
        // Ring points inside the beams' circle.
        int count = 0;
    };
    // The frame at the effect clock; draws the sparkle's point, then one
    // number per ring point inside the beams' circle, in ring order.
    SunWonderFrame PlanSunWonder();
    // Every frame while the sun is complete: the sparkle, the beams, the sound.
    void DrawSunWonder();
    // One beam; ends that coincide draw nothing.
    void DrawBeam(float x1, float y1, float x2, float y2);
    // Rays of light from every cell of the block to the sun.
    void LaunchSunSparks(int x, int y, int w, int h);
    // "SunWonder" when the beams first reach a point, and again when they
    // reach three.
    void PlaySunWonderSounds(int count);

    // ------------------------------------------------------------- the demo
    // GameFieldDemo.cpp. The steps of one demo action, from the cursor on.
    void PlanDemoMove();
    // The observer's step on a demo board; false when the board is none.
    bool StepDemo(float dt);
    // A press of a key or the mouse by the player, seen by the demo board:
    // "DemoInput" is posted for the screen's script (once per press).
    void NoteDemoInput();
    // The demo leaves this board for a random country's board (1 to 6).
    void MoveDemoOn();
    // Seconds the demo has played the current board; past this it moves on
    // to another country.
    static constexpr float kDemoBoardTime = 90.0f;
    float _demoBoardTime = 0.0f;
    unsigned _demoKeyPresses = 0;
    // Where the stage's "Menu" button stood (y upward) before the demo moved
    // it off the screen.
    Point _demoMenuPosition;
    bool _demoMenuMoved = false;

    // ------------------------------------------------------- the help mode
    // GameFieldHelp.cpp. Prepares the help scene of that name from help.xml.
    void RunHelp(const std::string& name);
    // The observer's step on a help board; false when the board is none.
    bool StepHelp(float dt);
    // The action being played: its kind, progress, rate and ends.
    struct HelpPlayback {
        int kind = HelpAction::kSleep;
        float progress = 1.0f;
        float rate = 1.0f;
        Point start;
        Point target;
        float startAlpha = 0.0f;
        float targetAlpha = 0.0f;
        std::size_t next = 0;
    };
    HelpPlayback _helpPlayback;

    // ----------------------------------------------------- frame and drawing
    // GameFieldFrame.cpp: the frame pieces, ornaments and decoration points;
    // GameFieldDraw.cpp: the whole board screen; GameFieldHud.cpp: the
    // left-hand panel (score, title, lives, bonus buttons, time bar).
    // The ornaments swing by a step of dt seconds (run every frame).
    void UpdateSwingPieces(float dt);
    // The frame pieces with their shadow, in the frame texture.
    void DrawBoardFrame();
    // The uses of bonus button k the panel shows: the hourglass being spent
    // no longer counts while it gives its time back.
    int ShownBonusUses(int k) const;
    // The help mode's background picture; an empty name sets none.
    void SetHelpBackground(const std::string& pictureName);
    void Draw() override;
    // Nothing: Draw shows the board's particle effects at their own steps,
    // under the veil and the demo's fade.
    void DrawEffects() override;
    // The country picture around the sun, rippled by its pulse.
    void DrawBackground();
    // Pass 1: chips, covered chips, stones, musor; pass 2: bonus squares
    // and artefact pieces.
    void DrawSquares(int pass);
    // The score shown climbs or comes down toward _score (a tenth of the
    // gap above 10, else 1), never past it.
    void StepShownScore();
    // The atlas cell of a bonus square's icon: its button's picture for
    // 0x40-0x47, icons of their own for 0x48-0x4A.
    int BonusIconCell(int kind) const;
    // The button whose glow and icon a bonus square 0x40-0x47 shows.
    static int BonusSquareButton(int kind) { return kind & 3; }
    // The foot points made on the right side of a column draw mirrored.
    std::vector<bool> _footPointMirrored;
    // "#White", the highlights' picture, looked up at the first draw.
    Sprite* _whiteTexture = nullptr;
    bool _whiteLookedUp = false;

private:
    void BuildFramePieces();
    void BuildSwingPieces();
    void BuildDripPoints();
    void BuildFootPoints();
    // No level cell in the columns and rows given (bounds included), cells
    // outside the board counting as none.
    bool NoCellsIn(int firstColumn, int lastColumn, int lowRow, int highRow) const;
    void DrawHelpButtons();
    void DrawTroyWheel();
    void DrawScoreTitleAndLives();
    void DrawBonusButtons();
    void DrawTimeBar();
    void DrawCells();
    void DrawCellHighlights();
    void DrawSun();
    void DrawStageDecorations();
    void DrawBabylonInnerCorners();
    void DrawGreekBranches();
    void DrawBonusCounters();
    void DrawLockedHighlights();
    void DrawTipArrows();
    void DrawCursorsAndTip();
    void DrawPointerExtras();
    // Over the veil of the artefact's hand-over: the artefact, grown by
    // _artefactProgress.
    void DrawGrowingArtefact();
    void DrawColourSquare(Square& square);
    void DrawBonusSquare(const Square& square);
    void DrawArtefactSquare(const Square& square);
    // The square at a highlight: hovered colour, the bomb's area, the chosen
    // flash target; 0 for none.
    int HighlightAlpha(const Square& square, int pulse) const;
    bool InBombArea(const Square& square) const;
    Sprite* WhitePicture();
    float HelpAlpha() const { return _helpBackgroundAlpha; }

public:

private:
    // Construction steps.
    void LoadPictures();
    void SetUpBonusButtons();
    void SetUpSwingPieces();
    void LoadLevNameMap();

    // Level loading steps.
    void ApplyLevel(const LevelRecord& level, Player& player);
    void FillLevelGrid(const LevelRecord& level, const Player& player);
    void PlaceBoard(int stage);
    void ShowBabylonFire();
    // The level did not load: the board stops and says so in the log and,
    // outside the demo, on the screen.
    void RefuseLevel(const std::string& why);

    // Start steps. The level-start texts and the timer fill are filled by
    // the board texts and the timers; until then they show nothing.
    void AddLevelStartTexts(const Player& player);
    void AddFillTimer();
    // One fill of the board's cells, without a run; false when a cell could
    // not avoid one.
    bool DrawKinds();
    void MakeSquaresFromKinds();

    // Reset steps.
    void StopControllersForReset();
    void RemoveArtefactSquares();

    // Message handlers, one per row of the message table.
    void OnWriteDebugInfo(const Message& message);
    void OnRunStart(const Message& message);
    void OnReset(const Message& message);
    void OnSetActive(const Message& message);
    void OnInitLevelView(const Message& message);
    void OnStart(const Message& message);
    void OnStartCollectArtefact(const Message& message);
    void OnFastCompleteLevel(const Message& message);
    void OnAddLife(const Message& message);
    void OnDeleteLife(const Message& message);
    void OnRunDemo(const Message& message);
    void OnStopDemo(const Message& message);
    void OnPause(const Message& message);
    void OnContinue(const Message& message);
    void OnTipBoxButton(const Message& message);
    void OnClearSun(const Message& message);
    void OnLoadLevel(const Message& message);
    void OnReshuffle(const Message& message);
    // The end of a level stops the clock, the input, the idle time and the
    // cell lights (the label and operation name the trace line).
    void StopTimeAndInput(const std::string& label, const std::string& operation);
    // The skips to another level end the level's checks.
    void LeaveLevel();
    struct MessageRow;
    static const MessageRow kMessageTable[];

    // The flag block of "WriteDebugInfo".
    std::vector<std::string> DebugFlagLines() const;

    // ---------------------------------- moves: input, match and fall steps
    // The press on the bonus buttons; the chosen bonus used on a square
    // (false when the press goes on as a plain selection); the plain press
    // on a chip.
    void PressBonusButtons(const Point& p);
    bool UseBonusOn(Square* square, const Point& cell);
    void PressChip(const Point& p);
    // The pointer over the buttons and the sun; the ornaments it pushes;
    // the pressed chip dragged.
    void HoverButtonsAndSun(const Point& p);
    void SwingOrnaments(const Point& p);
    void DragChip(const Point& p);
    // One pass of the match check that found lines: the groups of four or
    // more, the runs of three, the chain text; and the end of a move.
    struct MatchPass;
    void ResolveGroups(MatchPass& pass);
    void DestroyGroup(MatchPass& pass, const std::vector<Point>& group);
    void ResolveRunsOfThree(MatchPass& pass);
    void ShowChain(const MatchPass& pass);
    void EndMove();
    // The falls retimed to land together when their landing makes a line.
    void PlanLanding(const std::vector<SquareFall*>& falls, float startSpeed);
    // -------------------------------- end of moves: input, match and fall
};

// The active profile (the default profile in demo mode or without one).
Player& ActivePlayer();

// Makes "GameField" widgets: installed with SetGameFieldCreator before any
// layer loads.
Widget* CreateGameFieldWidget(const TiXmlElement* element);
void InstallGameFieldCreator();
