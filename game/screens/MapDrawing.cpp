// The world map's drawing passes, in the order Map::Draw runs them. Screen
// space, y upward; every pass leaves the colour opaque white and the blend
// normal.

#include "game/screens/Map.h"

#include "engine/platform/Application.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/StringUtils.h"
#include "game/screens/FlagCloth.h"
#include "game/screens/PictureDrawing.h"
#include "game/screens/WaypointSheet.h"
#include "gui/FontAccess.h"
#include "gui/StringTable.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/Tooltip.h"
#include "gui/widgets/Water.h"

#include <algorithm>
#include <cmath>

namespace {

const int kBlendNormal = 1;
const int kBlendAdditive = 2;
const float kPi = 3.14159265f;
const int kSymbolSize = 32;
const int kBonusKinds = 5;
const Color kInk(62, 36, 16);
// The waypoint tip's room beside its widest line of text.
const int kTipMargin = 20;

RenderDevice& Device()
{
    return g_renderDevice;
}

std::uint8_t Byte(int value)
{
    return static_cast<std::uint8_t>(std::min(255, std::max(0, value)));
}

Color WithAlpha(const Color& colour, int alpha)
{
    return Color(colour.r, colour.g, colour.b, Byte(alpha));
}

// A 32 x 32 window of the bound sheet centred on the point.
void DrawSymbol(const Point& p, const SheetCell& cell, int alpha)
{
    Device().SetColor(Color(Byte(alpha)));
    DrawCell(Rect(p.x - kSymbolSize / 2, p.y - kSymbolSize / 2, kSymbolSize, kSymbolSize), cell);
}

// A copy of the block whose lines are faded to the alpha.
TextBlock Faded(const TextBlock& text, int alpha)
{
    TextBlock copy = text;
    for (TextResourceLine& line : copy.lines)
        line.color.a = Byte(line.color.a * std::min(255, std::max(0, alpha)) / 255);
    return copy;
}

bool UsesCustomCursor()
{
    return g_application && g_application->customCursorOption;
}

} // namespace

void Map::DrawSea()
{
    for (const MapWave& wave : waves)
        wave.Draw();
    if (water)
        DrawDriftingWater(*water, Rect(40, 0, 600, 600), waterPhase);
    Device().ResetColor();
}

void Map::DrawLand()
{
    if (earth) {
        earth->Bind();
        Device().DrawRectUV(Rect(0, 0, 800, 600), 0.0f, earth->RightU(), 0.0f, earth->TopV());
    }
    if (seaName) {
        seaName->Bind();
        seaName->DrawAt(Point(300, 200));
    }
    maxLevelEffects.Draw();
    Device().ResetColor();
}

void Map::DrawWaypoints()
{
    const Player& player = ActivePlayer();
    ParticleEffect* maxLevel = maxLevelEffect.Get();
    if (waypointSheet)
        waypointSheet->Bind();
    bool beyondReach = false;
    int leftOut = -1;
    for (std::size_t i = 0; i < waypoints.size(); ++i) {
        const MapWaypoint& waypoint = waypoints[i];
        const bool first = waypoint.level == 0;
        const bool current = waypoint.level + 1 == player.level && waypoint.stage + 1 == player.stage;
        const bool furthest = waypoint.level + 1 == player.maxLevel && waypoint.stage + 1 == player.maxStage;
        bool drawn = true;
        if (furthest) {
            if (maxLevel) {
                maxLevel->posX = static_cast<float>(waypoint.point.x - 2);
                maxLevel->posY = static_cast<float>(waypoint.point.y + 1);
            }
            if (!current && !flagMoverEnabled) {
                leftOut = static_cast<int>(i);
                drawn = false;
            }
        }
        if (waypointSheet && drawn) {
            if (current) {
                const bool onFurthest = player.level == player.maxLevel && player.stage == player.maxStage;
                DrawSymbol(waypoint.point, CurrentCell(first), flagMoverEnabled && onFurthest ? flagTargetAlpha : 255);
            } else if (beyondReach) {
                DrawSymbol(waypoint.point, LockedCell(first), 255);
            } else {
                DrawSymbol(waypoint.point, StageCell(waypoint.stage, first), 255);
            }
        }
        if (furthest)
            beyondReach = true;
        if (!waypointSheet)
            continue;
        if (waypoint.stage == hoveredStage && waypoint.level == hoveredLevel) {
            Device().SetBlendMode(kBlendAdditive);
            DrawSymbol(waypoint.point, StageCell(waypoint.stage, first), 100);
            Device().SetBlendMode(kBlendNormal);
        }
        if (i > 0 && waypointAlpha[i] > 0)
            DrawSymbol(waypoint.point, StageCell(waypoint.stage, first), waypointAlpha[i]);
    }
    // The furthest level the player has not gone back from pulses between
    // its country's symbol and the "current" one.
    if (waypointSheet && leftOut >= 0) {
        const MapWaypoint& waypoint = waypoints[static_cast<std::size_t>(leftOut)];
        const bool first = player.maxLevel == 1;
        const float wave = 127.0f * std::sin(6.0f * time);
        DrawSymbol(waypoint.point, StageCell(waypoint.stage, first), static_cast<int>(128.0f - wave));
        DrawSymbol(waypoint.point, CurrentCell(first), static_cast<int>(128.0f + wave));
    }
    Device().ResetColor();
}

void Map::DrawCountryPath()
{
    if (!waypointSheet || countryPath.size() < 2)
        return;
    waypointSheet->Bind();
    const SheetCell cell = StageCell(ActivePlayer().maxStage - 1, false);
    for (std::size_t i = 0; i + 1 < countryPath.size(); ++i)
        DrawSymbol(countryPath[i], cell, i < countryPathAlpha.size() ? countryPathAlpha[i] : 0);
    Device().ResetColor();
}

void Map::DrawLightGlows()
{
    if (!waypointSheet)
        return;
    waypointSheet->Bind();
    Device().SetBlendMode(kBlendAdditive);
    for (std::size_t k = 0; k < waypoints.size() && k < lightSlots.size(); ++k) {
        const int alpha = static_cast<int>(96.0f * std::sin(3.14159f * lightSlots[k]));
        if (alpha > 0)
            DrawSymbol(waypoints[k].point, GlowCell(), alpha);
    }
    Device().SetBlendMode(kBlendNormal);
    Device().ResetColor();
}

void Map::DrawBadges()
{
    if (!badges || !badgesOff)
        return;
    const Player& player = ActivePlayer();
    const Rect badge(-64, -16, 128, 32);
    for (int s = 0; s < StageCount(); ++s) {
        if (LevelCount(s) == 0)
            continue;
        const LevelMapStage& stage = _info.GetMapStage(s);
        const Point first = waypoints[static_cast<std::size_t>(stageStart[static_cast<std::size_t>(s)])].point;
        const SheetCell row = BadgeRow(s);
        Device().PushMatrix();
        Device().Translate(Vector3(static_cast<float>(stage.x_t + first.x), static_cast<float>(stage.y_t + first.y + 16),
                                   0.0f));
        if (s + 1 == player.stage) {
            const float swing = std::fabs(std::sin(2.0f * kPi * badgePulse));
            const float grow = 1.0f + swing * (badgePulse < 0.5f ? 0.2f : 0.3f);
            Device().Scale(grow, grow, 1.0f);
            badgesOff->Bind();
            DrawCell(badge, row);
            Device().SetBlendMode(kBlendAdditive);
            badges->BindAlphaOnly();
            Device().SetColor(WithAlpha(CountryColor(s), static_cast<int>(swing * 128.0f)));
            DrawCell(Rect(-68, -17, 136, 34), row);
            Device().SetBlendMode(kBlendNormal);
            Device().ResetColor();
        } else {
            badgesOff->Bind();
            DrawCell(badge, row);
        }
        const int lit = waypointAlpha[static_cast<std::size_t>(stageStart[static_cast<std::size_t>(s)])];
        if (lit > 0) {
            badges->Bind();
            Device().SetColor(Color(Byte(lit)));
            DrawCell(badge, row);
            Device().ResetColor();
        }
        Device().PopMatrix();
    }
}

void Map::DrawAboutText()
{
    const Rect& port = textViewPort;
    if (textQueue.Empty() || port.w <= 0 || port.h <= 0)
        return;
    RenderDevice& device = Device();
    device.BeginViewport2D(port.x, port.y, port.w, port.h);
    const int w = port.w;
    const int h = port.h;
    const auto& texts = textQueue.texts;
    if (textQueue.crossFade) {
        const int fade = static_cast<int>(textQueue.transition * 255.0f);
        const TextBlock& first = *texts.front();
        const TextBlock& last = *texts.back();
        DrawTextRuns(Point(w / 2, first.height / 2 - (h - 10) / 2 + h - 10), Faded(first, 255 - fade));
        DrawTextRuns(Point(w / 2, last.height / 2 - (h - 10) / 2 + h - 10), Faded(last, fade));
    } else {
        device.PushMatrix();
        device.Translate(Vector3(0.0f, textQueue.scrollOffset, 0.0f));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const int y = h * (1 - static_cast<int>(i)) - (h - 10) / 2 + texts[i]->height / 2 - 10;
            DrawTextRuns(Point(w / 2, y), *texts[i]);
        }
        device.PopMatrix();
    }
    device.ResetColor();
    device.SetFullViewport();
    device.End2D();
}

void Map::DrawCycleCaption()
{
    const std::string caption = GetText("Cycle") + " " + IntToString(ActivePlayer().cycle);
    Device().SelectFont("Caption");
    Device().DrawString(cycleX, cycleY, caption, 1.0f, 2, true);
    Device().ResetColor();
}

void Map::DrawFlag()
{
    if (!flagPicture)
        return;
    RenderDevice& device = Device();
    const Vector3 zAxis(0.0f, 0.0f, 1.0f);
    device.PushMatrix();
    device.Translate(Vector3(flag.x - 12.0f, flag.y - 12.0f, 0.0f));

    flagPicture->BindAlphaOnly();
    device.SetColor(Color(128, 128, 128, 128));
    device.PushMatrix();
    device.Scale(1.0f, 0.4f, 1.0f);
    device.Rotate(zAxis, -10.0f);
    device.DrawRectUV(Rect(-6, 22, 14, 64), 0.0f, 0.21875f, 0.0f, 1.0f);
    device.PopMatrix();
    device.PushMatrix();
    device.Scale(1.0f, 0.4f, 1.0f);
    device.Translate(Vector3(5.5f, 20.0f, 0.0f));
    DrawFlagCloth(ComputeFlagCloth(time, true), true);
    device.PopMatrix();

    flagPicture->Bind();
    device.ResetColor();
    device.DrawRectUV(Rect(0, 0, 14, 64), 0.0f, 0.21875f, 0.0f, 1.0f);
    DrawFlagCloth(ComputeFlagCloth(time, false), false);
    device.PopMatrix();
    device.ResetColor();
}

void Map::DrawArtefactTip()
{
    RenderDevice& device = Device();
    const Vector3 zAxis(0.0f, 0.0f, 1.0f);
    if (tipHovered && artLight) {
        struct Ray {
            Color colour;
            float degrees;
            float scale;
            float alpha;
        };
        const Ray rays[3] = {
            {Color(255, 255, 255), 30.0f * time, 0.8f + 0.05f * std::sin(12.0f * time), 96.0f + 32.0f * std::sin(time)},
            {Color(255, 255, 255), -50.0f * time, 0.8f + 0.05f * std::sin(9.2f * time),
             96.0f + 32.0f * std::sin(3.2f * time)},
            {Color(255, 255, 0), -50.0f * time, 0.8f + 0.05f * std::sin(15.2f * time),
             96.0f + 32.0f * std::sin(15.2f * time)},
        };
        device.SetBlendMode(kBlendAdditive);
        artLight->Bind();
        for (const Ray& ray : rays) {
            device.PushMatrix();
            device.Translate(Vector3(static_cast<float>(tipAnchor.x + 28), static_cast<float>(tipAnchor.y + 43), 0.0f));
            device.Rotate(zAxis, ray.degrees);
            device.Scale(ray.scale, ray.scale, 1.0f);
            device.SetColor(WithAlpha(ray.colour, static_cast<int>(ray.alpha)));
            device.DrawRect(-128, -128, 256, 256);
            device.PopMatrix();
        }
        device.SetBlendMode(kBlendNormal);
        device.ResetColor();
    }
    if (tipFrames.empty())
        return;
    const int f = static_cast<int>(9.0f * time) % 22;
    const int frame = f < 11 ? f : 21 - f;
    const Sprite* picture = frame >= 0 && frame < static_cast<int>(tipFrames.size()) ? tipFrames[static_cast<std::size_t>(frame)] : nullptr;
    if (!picture)
        return;
    const int d = tipPressed ? 16 : 0;
    picture->Bind();
    device.DrawRect(tipAnchor.x - 32 + d / 2, tipAnchor.y - 32 + d / 2, 128 - d, 128 - d);
}

void Map::DrawTitle()
{
    if (ActivePlayer().cycle <= 1 || !title)
        return;
    RenderDevice& device = Device();
    device.PushMatrix();
    device.Translate(Vector3(375.0f, 278.0f, 0.0f));
    device.Scale(titleScale, titleScale, 1.0f);
    device.SetColor(Color(Byte(titleAlpha)));
    DrawCentredPicture(*title);
    device.PopMatrix();
    device.ResetColor();
}

void Map::DrawWaypointTip()
{
    if (hoveredStage < 0 || hoveredLevel < 0)
        return;
    const float h = hoverTime;
    const int alpha = h < 0.3f ? 0 : (h < 0.5f ? static_cast<int>((h - 0.3f) * 1275.0f) : 255);
    const bool custom = UsesCustomCursor();
    Point anchor = lastMouse + (custom ? Point(35, -20) : Point(10, -16));

    const LevelInfo counts = _info.GetLevelCellCounts(hoveredStage, hoveredLevel);
    const LevelInfo taken = _info.GetLevelInfo(hoveredStage, hoveredLevel);
    int remaining[kBonusKinds];
    int span = 0;
    bool any = false;
    for (int b = 0; b < kBonusKinds; ++b) {
        remaining[b] = std::max(0, counts.extra[b] - taken.takedBonus[b]);
        any = any || remaining[b] > 0;
        span += remaining[b] * 25 + 5;
    }
    const std::string caption =
        GetText("Country" + IntToString(hoveredStage + 1)) + " - " + IntToString(hoveredLevel + 1);
    const std::string noBonus = any ? std::string() : GetText("NoBonus");
    // The box is as wide as its widest line, with a margin, and never
    // narrower than 120.
    RenderDevice& device = Device();
    device.SelectFont("text");
    const int widestText = std::max(device.TextWidth(caption), device.TextWidth(noBonus));
    const int width = std::max({120, span + 15, widestText + kTipMargin});
    if (anchor.x + width > 800) {
        anchor.x -= width;
        if (custom) {
            anchor.x -= 45;
            anchor.y += 5;
        }
    }
    if (anchor.y < 157)
        anchor.y += 70;

    device.SetColor(Color(Byte(alpha)));
    DrawTooltipFrame(anchor.x, anchor.y - 50, width, 50);
    // Words in ink on the tip's papyrus.
    device.SetColor(WithAlpha(kInk, alpha));
    const int centre = anchor.x + width / 2;
    device.SelectFont("text");
    device.DrawString(centre, anchor.y - 12, caption, 1.0f, 2, true);
    if (!any) {
        device.DrawString(centre, anchor.y - 46, noBonus, 1.0f, 2, false);
    } else if (bonusIcons) {
        bonusIcons->Bind();
        device.SetColor(Color(Byte(alpha)));
        int x = anchor.x + width / 2 - (span - 20) / 2 + 5;
        for (int b = 0; b < kBonusKinds; ++b) {
            const SheetCell icon{static_cast<float>(b) * 0.15625f, static_cast<float>(b + 1) * 0.15625f, 0.375f, 1.0f};
            for (int n = 0; n < remaining[b]; ++n) {
                DrawCell(Rect(x, anchor.y - 44, 20, 20), icon);
                x += 25;
            }
            x += 5;
        }
    }
    device.ResetColor();
}

void Map::DrawArtefactTipText()
{
    if (!tipVisible)
        return;
    const float t = tipTime;
    float alpha = 0.0f;
    float scale = 1.0f;
    if (t < 2.0f || t >= 10.75f)
        return;
    if (t < 2.75f) {
        const float a = (t - 2.0f) * 1.3333334f;
        alpha = a * 255.0f;
        scale = tipPulse.getGlobalFrame(a);
    } else if (t < 10.0f) {
        alpha = 255.0f;
    } else {
        const float b = (t - 10.0f) * 1.3333334f;
        alpha = 255.0f - static_cast<float>(static_cast<int>(b * 255.0f));
        scale = tipPulse.getGlobalFrame(1.0f - b);
    }
    const int a = static_cast<int>(alpha);
    RenderDevice& device = Device();
    device.SetColor(Color(Byte(a)));
    DrawTooltipArrow(Point(135, 505), time, 270);
    const int textWidth = artefactTipText ? artefactTipText->width : 0;
    const int textHeight = artefactTipText ? artefactTipText->height : 0;
    const int w = textWidth + 30;
    const int h = 90;
    device.PushMatrix();
    device.Translate(Vector3(static_cast<float>(215 + w / 2), 505.0f, 0.0f));
    device.Scale(scale, scale, 1.0f);
    device.SetColor(Color(Byte(a)));
    DrawTooltipFrame(-w / 2, -h / 2, w, h);
    if (artefactTipText)
        DrawTextRuns(Point(0, textHeight / 2), Faded(*artefactTipText, a));
    device.PopMatrix();
    device.ResetColor();
}
