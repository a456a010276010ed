#include "game/screens/Map.h"

#include "engine/platform/CustomCursor.h"
#include "engine/platform/HtmlLog.h"
#include "engine/render/Sprite.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlAttributes.h"
#include "game/screens/CycleFinishing.h"
#include "game/screens/DestroyCountryProgress.h"
#include "game/screens/FlagMover.h"
#include "game/screens/MapLight.h"
#include "game/screens/MapTitleEmerge.h"
#include "game/screens/TipOutline.h"
#include "gui/TextResource.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

int Map::cycleX = 400;
int Map::cycleY = 545;

namespace {

const int kTipFrameCount = 11;
const float kHitDistance = 10.0f;

// A picture of the map by "#id"; a missing one is logged and left undrawn.
Sprite* Picture(const std::string& id, bool smooth)
{
    Sprite* picture = GetWidgetPicture(id);
    if (!picture)
        LogError("World map", "The picture " + id + " is not registered; the map goes on without it");
    else if (smooth)
        picture->linearFilter = true;
    return picture;
}

} // namespace

Map::Map(const std::string& widgetName, const TiXmlElement* element, GameInfo& info)
    : Widget(widgetName)
    , _info(info)
{
    countryColors[0] = Color(234, 240, 17);
    countryColors[1] = Color(74, 89, 222);
    countryColors[2] = Color(255, 255, 84);
    countryColors[3] = Color(83, 255, 255);
    countryColors[4] = Color(205, 51, 216);
    countryColors[5] = Color(71, 225, 68);
    countryColors[6] = Color(255, 132, 0);

    artefactTipText = FindTextResource("ArtefactTip");
    SetCurveKeys(tipPulse, {0.0f, 1.1f, 1.0f});
    waypointSheet = Picture("#WayPoints", false);
    BuildWaypoints();
    for (int i = 0; i < kTipFrameCount; ++i)
        tipFrames.push_back(Picture("#SHTUKA_" + IntToString(i), true));
    // Out of sight until the drawing puts it on the furthest waypoint.
    maxLevelEffect = maxLevelEffects.AddWithHandle("MapMaxLevel", -500.0f, 0.0f);
    flagPicture = Picture("#MapFlag", true);
    badges = Picture("#MapCountry", false);
    badgesOff = Picture("#MapCountryOff", false);
    artLight = Picture("#ArtLight", true);
    title = Picture("#VELMORA", true);
    seaName = Picture("#SEA_NAME", false);
    water = Picture("#MAP_WATER", true);
    earth = Picture("#MAP_EARTH", false);
    bonusIcons = Picture("#LITTLE_BONUS", false);
    wavePicture = Picture("#VOLNA", true);
    // Looked up with the others; the map draws nothing with it.
    squares = GetWidgetPicture("#squares_texture");
    tipOutline = {Point(41, 5), Point(59, 50), Point(36, 71), Point(7, 64), Point(0, 34)};
    if (element) {
        ReadBoolAttribute(element, "editor", editor);
        ReadIntAttribute(element, "cycleX", cycleX);
        ReadIntAttribute(element, "cycleY", cycleY);
    }

    // The whole screen; the map's own points are screen points.
    SetRect(0, 0, 800, 600);
    fixed = true;

    kernel.AddController(new MapLight(0.2f, this));
    std::vector<LevelMapStage> stages;
    for (int s = 0; s < _info.GetMapStageCount(); ++s)
        stages.push_back(_info.GetMapStage(s));
    LoadLevelTextsFile("levelTexts.xml", stages, levelTexts);
    textViewPort = levelTexts.viewPort;
    AcceptMessage(Message("InitFlagPos"));
}

Map::~Map()
{
    // The processes that write the map stop first.
    kernel.StopControllersOf(this);
}

void Map::BuildWaypoints()
{
    waypoints.clear();
    stageStart.clear();
    for (int s = 0; s < _info.GetMapStageCount(); ++s) {
        stageStart.push_back(static_cast<int>(waypoints.size()));
        const LevelMapStage& stage = _info.GetMapStage(s);
        for (std::size_t l = 0; l < stage.levels.size(); ++l) {
            MapWaypoint waypoint;
            waypoint.point = Point(stage.levels[l].x, stage.levels[l].y);
            waypoint.stage = s;
            waypoint.level = static_cast<int>(l);
            waypoints.push_back(waypoint);
        }
    }
    stageStart.push_back(static_cast<int>(waypoints.size()));
    // The light walks one slot per waypoint and two more to close its round.
    const std::size_t slots = std::max<std::size_t>(kLightSlots, waypoints.size() + 2);
    lightSlots.assign(slots, 0.0f);
    lightStars.assign(std::max<std::size_t>(kStarFlags, slots), 0);
    waypointAlpha.assign(std::max<std::size_t>(kWaypointAlphas, waypoints.size()), 0);
}

Player& Map::ActivePlayer() const
{
    return _info.GetPlayer(_info.getName());
}

int Map::LevelCount(int stage) const
{
    if (stage < 0 || stage >= StageCount())
        return 0;
    return stageStart[static_cast<std::size_t>(stage) + 1] - stageStart[static_cast<std::size_t>(stage)];
}

int Map::WaypointIndex(int stage, int level) const
{
    if (level < 0 || level >= LevelCount(stage))
        return -1;
    return stageStart[static_cast<std::size_t>(stage)] + level;
}

bool Map::LevelPoint(int stage, int level, Point& point) const
{
    const int index = WaypointIndex(stage, level);
    if (index < 0)
        return false;
    point = waypoints[static_cast<std::size_t>(index)].point;
    return true;
}

bool Map::HitWaypoint(const Point& p, int& stage, int& level) const
{
    bool hit = false;
    for (const MapWaypoint& waypoint : waypoints) {
        const int dx = waypoint.point.x - p.x;
        const int dy = waypoint.point.y - p.y;
        const float distance = std::sqrt(static_cast<float>(dx * dx + dy * dy));
        if (distance < kHitDistance) {
            stage = waypoint.stage;
            level = waypoint.level;
            hit = true;
        }
    }
    return hit;
}

bool Map::IsReached(int stage, int level) const
{
    const Player& player = ActivePlayer();
    return stage + 1 < player.maxStage || (stage + 1 == player.maxStage && level + 1 <= player.maxLevel);
}

const Color& Map::CountryColor(int stage) const
{
    return countryColors[std::min(std::max(stage, 0), kCountryCount - 1)];
}

const TextBlock* Map::LevelText(int stage, int level) const
{
    return levelTexts.Find(stage, level);
}

ParticleEffect* Map::StartMapEffect(const std::string& name, float x, float y, const Color* colour)
{
    ParticleEffect* effect = AddEffect(name, x, y);
    if (effect && colour)
        TintEffect(*effect, *colour);
    return effect;
}

void Map::TintEffect(ParticleEffect& effect, const Color& colour)
{
    if (effect._systems.empty())
        return;
    float* tint = effect._systems.front()._tint;
    tint[0] = static_cast<float>(colour.r) / 255.0f;
    tint[1] = static_cast<float>(colour.g) / 255.0f;
    tint[2] = static_cast<float>(colour.b) / 255.0f;
}

void Map::PlaceFlagOnPlayersLevel()
{
    const Player& player = ActivePlayer();
    Point point;
    if (!LevelPoint(player.stage - 1, player.level - 1, point))
        return;
    flag.x = static_cast<float>(point.x);
    flag.y = static_cast<float>(point.y);
}

void Map::AdvanceArtefactTip(float dt)
{
    tipTime += dt;
    if (tipTime > 7.0f)
        ActivePlayer().needShowArtefactTip = false;
}

void Map::AcceptMessage(const Message& message)
{
    const std::string& command = message.publisher;
    Player& player = ActivePlayer();
    if (command == "ShowArtefactTip") {
        if (player.needShowArtefactTip && player.maxStage >= 2) {
            tipVisible = true;
            tipTime = 0.0f;
        }
    } else if (command == "HideArtefactTip") {
        tipVisible = false;
    } else if (command == "VelmoraAscendant") {
        player.win = false;
        kernel.AddController(new MapTitleEmerge(this));
    } else if (command == "DestroyCountryProgress") {
        kernel.AddController(new DestroyCountryProgress(this));
    } else if (command == "PauseLightPath") {
        lightPathPaused = true;
    } else if (command == "InitAboutText") {
        textQueue.Set(LevelText(player.stage - 1, player.level - 1));
    } else if (command == "MoveFlag") {
        textQueue.Push(LevelText(player.stage - 1, player.level - 1));
        textQueue.crossFade = false;
        Point target;
        if (!LevelPoint(player.stage - 1, player.level - 1, target))
            return;
        const Vector3 to(static_cast<float>(target.x), static_cast<float>(target.y), 0.0f);
        if (std::fabs(flag.x - to.x) + std::fabs(flag.y - to.y) <= 5.0f) {
            flag.x = to.x;
            flag.y = to.y;
        } else {
            kernel.AddController(new FlagMover(flag, to, 1.0f, this));
        }
    } else if (command == "InitFlagPos") {
        PlaceFlagOnPlayersLevel();
    } else if (command == "EnableFlagMover") {
        flagMoverEnabled = true;
        flagTargetAlpha = 0;
    }
}

bool Map::MouseDown(const Point& p)
{
    flagMoverEnabled = false;
    if (tipHovered) {
        tipPressed = true;
        PlayWidgetSample("ButtonClick");
    }
    mouseHeld = true;
    int stage = 0, level = 0;
    if (!HitWaypoint(p, stage, level))
        return false;
    if (editor) {
        dragging = true;
        draggedStage = stage + 1;
        draggedLevel = level + 1;
        return false;
    }
    if (IsReached(stage, level))
        HandleWaypointClick(stage, level);
    return false;
}

void Map::HandleWaypointClick(int stage, int level)
{
    Player& player = ActivePlayer();
    if (level + 1 != player.level || stage + 1 != player.stage)
        player.levelNotComp = false;
    player.level = level + 1;
    player.stage = stage + 1;
    const TextBlock* text = LevelText(stage, level);
    if (text && (textQueue.Empty() || textQueue.Last() != text))
        textQueue.texts.push_back(text);
    textQueue.crossFade = true;
    AcceptMessage(Message("InitFlagPos"));
}

void Map::MouseUp(const Point&)
{
    if (editor)
        _info.SaveLevelMap();
    mouseHeld = false;
    if (tipPressed)
        PostMessage(Message("GoToArtefactScreen"));
    tipPressed = false;
    if (editor)
        dragging = false;
}

void Map::MouseMove(const Point& p)
{
    lastMouse = p;
    if (tipAnchor.x > 0) {
        std::vector<Point> outline;
        for (const Point& corner : tipOutline)
            outline.push_back(corner + tipAnchor);
        tipHovered = IsInsideOutline(outline, p);
        if (tipHovered && g_cursor)
            g_cursor->SetActive();
    } else {
        tipHovered = false;
    }
    tipPressed = tipHovered && mouseHeld;

    if (editor && dragging) {
        const int index = WaypointIndex(draggedStage - 1, draggedLevel - 1);
        if (index >= 0) {
            LevelMapLevel& level = _info.GetMapLevel(draggedLevel - 1, draggedStage - 1);
            level.x = p.x;
            level.y = p.y;
            waypoints[static_cast<std::size_t>(index)].point = p;
        }
    }

    int stage = -1, level = -1;
    if (!HitWaypoint(p, stage, level)) {
        stage = -1;
        level = -1;
    }
    if (stage != hoveredStage || level != hoveredLevel)
        hoverTime = 0.0f;
    hoveredStage = stage;
    hoveredLevel = level;
    if (stage >= 0 && !IsReached(stage, level)) {
        hoveredStage = -1;
        hoveredLevel = -1;
    }
}

void Map::Draw()
{
    DrawSea();
    DrawLand();
    DrawWaypoints();
    DrawCountryPath();
    DrawLightGlows();
    DrawBadges();
    DrawAboutText();
    DrawCycleCaption();
    DrawFlag();
    DrawArtefactTip();
    DrawTitle();
    DrawWaypointTip();
    DrawArtefactTipText();
}
