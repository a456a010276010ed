#pragma once

// The world map (layer files name it "Map"): the countries of the level map
// as chains of waypoints on a sea chart, the player's flag on the current
// level, a light that runs along the waypoints, the cycle caption, a tip
// with the hovered level's country and remaining bonuses, a short text about
// the current level, and a corner tip that leads to the artefact screen.
// The player picks any level already reached by clicking its waypoint.
//
// The map has no clock of its own: its MapLight (made with it) advances its
// times, and the map processes (FlagMover, DestroyCountryProgress,
// MapTitleEmerge, CycleFinishing) write its fields directly. Scripts command
// it by messages; it posts only "GoToArtefactScreen".
//
// Points are in screen space, y upward. Stages and levels are counted from 1
// in the player's record and from 0 as indexes into the level map.

#include "engine/util/Color.h"
#include "engine/util/SplinePath.h"
#include "engine/util/Vector3.h"
#include "game/screens/LevelTextsFile.h"
#include "game/screens/MapTextQueue.h"
#include "game/screens/MapWave.h"
#include "game/state/GameInfo.h"
#include "gui/Widget.h"
#include "gui/effects/EffectHandle.h"
#include "gui/effects/EffectList.h"

#include <list>
#include <string>
#include <vector>

class Sprite;
class TiXmlElement;

struct MapWaypoint {
    Point point;
    int stage = 0; // from 0
    int level = 0; // from 0
};

class Map : public Widget {
public:
    // The smallest sizes of the light's tables; a larger level map gets
    // larger ones.
    static constexpr int kLightSlots = 128;
    static constexpr int kStarFlags = 100;
    static constexpr int kWaypointAlphas = 150;
    static constexpr int kCountryCount = 7;

    Map(const std::string& widgetName, const TiXmlElement* element, GameInfo& info = gameInfo);
    ~Map() override;

    // Never takes the press from the widgets behind.
    bool MouseDown(const Point& p) override;
    void MouseUp(const Point& p) override;
    void MouseMove(const Point& p) override;
    void Draw() override;
    void AcceptMessage(const Message& message) override;

    // The active player's record.
    Player& ActivePlayer() const;
    GameInfo& Info() const { return _info; }

    // Stages and levels of the map (from 0).
    int StageCount() const { return static_cast<int>(stageStart.size()) - 1; }
    int LevelCount(int stage) const;
    int WaypointCount() const { return static_cast<int>(waypoints.size()); }
    // The index in waypoint order, or -1 for a level the map does not have.
    int WaypointIndex(int stage, int level) const;
    // The waypoint of (stage, level); false for a level the map lacks.
    bool LevelPoint(int stage, int level, Point& point) const;
    // The waypoint (stage, level) hit by p (the later of two wins); false
    // when none is closer than 10 pixels.
    bool HitWaypoint(const Point& p, int& stage, int& level) const;
    // Whether the player has reached (stage, level).
    bool IsReached(int stage, int level) const;
    // The colour of a country (stage from 0; kept to the seven).
    const Color& CountryColor(int stage) const;
    // The text of (stage, level), or null.
    const TextBlock* LevelText(int stage, int level) const;

    // An effect of that name on the map at (x, y), in the colour when one
    // is given; null when the library gives nothing to run.
    ParticleEffect* StartMapEffect(const std::string& name, float x, float y, const Color* colour);
    // The colour of the effect's first particle system.
    static void TintEffect(ParticleEffect& effect, const Color& colour);
    // The flag on the player's level (z kept); nothing for a level the map lacks.
    void PlaceFlagOnPlayersLevel();
    // The corner tip's clock while it is shown, and the player's flag that
    // asks for it cleared once the text has stood for 7 seconds.
    void AdvanceArtefactTip(float dt);

    // Drawing passes (Map.cpp draws them in order).
    void DrawSea();
    void DrawLand();
    void DrawWaypoints();
    void DrawCountryPath();
    void DrawLightGlows();
    void DrawBadges();
    void DrawAboutText();
    void DrawCycleCaption();
    void DrawFlag();
    void DrawArtefactTip();
    void DrawTitle();
    void DrawWaypointTip();
    void DrawArtefactTipText();

    bool lightPathPaused = false;
    std::vector<MapWaypoint> waypoints;
    // The index of each stage's first waypoint, and the count at the end.
    std::vector<int> stageStart;
    std::vector<unsigned char> lightStars;
    Rect textViewPort;
    EffectList maxLevelEffects;
    EffectHandle maxLevelEffect;
    int hoveredLevel = -1;
    int hoveredStage = -1;
    float hoverTime = 0.0f;
    float titleScale = 0.0f;
    int titleAlpha = 0;
    float waterPhase = 0.0f;
    Vector3 flag{320.0f, 50.0f, 0.0f};
    std::list<MapWave> waves;
    std::vector<Point> countryPath;
    std::vector<int> countryPathAlpha;
    Point lastMouse;
    std::vector<int> waypointAlpha;
    bool tipVisible = false;
    const TextBlock* artefactTipText = nullptr;
    float tipTime = 0.0f;
    SplinePath<float> tipPulse;
    Point tipAnchor{60, 470};
    std::vector<Point> tipOutline;
    bool tipHovered = false;
    bool tipPressed = false;
    bool mouseHeld = false;
    bool flagMoverEnabled = false;
    int flagTargetAlpha = 0;
    float time = 0.0f;
    bool editor = false;
    bool dragging = false;
    int draggedLevel = 0; // from 1
    int draggedStage = 0; // from 1
    std::vector<float> lightSlots;
    LevelTexts levelTexts;
    float badgePulse = 0.0f;
    MapTextQueue textQueue;
    Color countryColors[kCountryCount];

    Sprite* waypointSheet = nullptr;
    Sprite* flagPicture = nullptr;
    Sprite* badges = nullptr;
    Sprite* badgesOff = nullptr;
    Sprite* artLight = nullptr;
    std::vector<Sprite*> tipFrames;
    Sprite* title = nullptr;
    Sprite* seaName = nullptr;
    Sprite* water = nullptr;
    Sprite* earth = nullptr;
    Sprite* bonusIcons = nullptr;
    Sprite* wavePicture = nullptr;
    Sprite* squares = nullptr;

    // Where the cycle caption is centred; shared by all maps, set by the
    // attributes "cycleX" and "cycleY" of a map element.
    static int cycleX;
    static int cycleY;

private:
    void BuildWaypoints();
    void HandleWaypointClick(int stage, int level);

    GameInfo& _info;
};
