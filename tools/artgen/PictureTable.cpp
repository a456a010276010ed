#include "tools/artgen/PictureTable.h"

#include "tools/artgen/BoardArt.h"
#include "tools/artgen/BoardScreenArt.h"
#include "tools/artgen/BookArt.h"
#include "tools/artgen/CountryArt.h"
#include "tools/artgen/EffectArt.h"
#include "tools/artgen/GalleryArt.h"
#include "tools/artgen/JpegWriter.h"
#include "tools/artgen/LevelTextArt.h"
#include "tools/artgen/MapArt.h"
#include "tools/artgen/PageArt.h"
#include "tools/artgen/MenuArt.h"
#include "tools/artgen/Palette.h"
#include "tools/artgen/SailArt.h"
#include "tools/artgen/SceneArt.h"
#include "tools/artgen/ShieldArt.h"
#include "tools/artgen/HelpArt.h"
#include "tools/artgen/ArtefactArt.h"
#include "tools/artgen/TgaWriter.h"
#include "tools/artgen/WidgetArt.h"
#include "tools/fontgen/PngWriter.h"

namespace {

using Recipe = std::function<void(Canvas&, ArtFaces&)>;

// Recipes that need no faces.
template <typename F> Recipe Plain(F draw)
{
    return [draw](Canvas& canvas, ArtFaces&) { draw(canvas); };
}

Recipe FishFrame(int kind, int frame)
{
    return [kind, frame](Canvas& canvas, ArtFaces&) { DrawFishFrame(canvas, kind, frame); };
}

Recipe Screenshot(int index, bool colour)
{
    return [index, colour](Canvas& canvas, ArtFaces&) { DrawScreenshot(canvas, index, colour); };
}

Recipe ShieldGem(int gem)
{
    return [gem](Canvas& canvas, ArtFaces&) { DrawShieldGem(canvas, gem); };
}

Recipe ShieldGlow(int gem)
{
    return [gem](Canvas& canvas, ArtFaces&) { DrawShieldGlow(canvas, gem); };
}

Recipe ArtefactPiece(int artefact, int piece)
{
    return [artefact, piece](Canvas& canvas, ArtFaces&) { DrawArtefactPiece(canvas, artefact, piece); };
}
Recipe ArtefactFull(int artefact)
{
    return [artefact](Canvas& canvas, ArtFaces&) { DrawArtefact(canvas, artefact); };
}

// A 64 x 64 thumbnail of a 256 x 256 picture: each pixel the mean of its
// four by four block, weighted by alpha.
void DrawThumbnail(Canvas& canvas, const Canvas& large)
{
    const int factor = large.Width() / canvas.Width();
    canvas.Transform([&](const Colour&, int x, int y) {
        Colour sum{0.0f, 0.0f, 0.0f, 0.0f};
        for (int dy = 0; dy < factor; ++dy)
            for (int dx = 0; dx < factor; ++dx) {
                const Colour c = large.At(x * factor + dx, y * factor + dy);
                sum.r += c.r * c.a;
                sum.g += c.g * c.a;
                sum.b += c.b * c.a;
                sum.a += c.a;
            }
        if (sum.a <= 0.0f)
            return Colour{0.0f, 0.0f, 0.0f, 0.0f};
        return Colour{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / static_cast<float>(factor * factor)};
    });
}

// The profile list's tip: the artefact of the profile's country, or the
// light of a cycle played through.
Recipe StageTipPicture(int stage)
{
    return [stage](Canvas& canvas, ArtFaces&) {
        Canvas large(256, 256);
        if (stage < kArtefactCount)
            DrawArtefact(large, stage);
        else
            DrawArtefactLight(large);
        DrawThumbnail(canvas, large);
    };
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

const std::vector<PictureRecipe>& GamePictures()
{
    static const std::vector<PictureRecipe> pictures = {
        {{"fsdata/splash1.jpg", "fsdata/splash1.png"}, 800, 600, [](Canvas& c, ArtFaces& f) { DrawTitleSplash(c, f.serif, f.serifBold); }},
        {{"fsdata/splash2.jpg", "fsdata/splash2.png"}, 800, 600, [](Canvas& c, ArtFaces& f) { DrawPublisherSplash(c, f.serif, f.serifBold); }},
        {{"fsdata/logo.png", "data/textures/logo.png"}, 128, 64, [](Canvas& c, ArtFaces& f) { DrawLogo(c, f.serifBold); }},

        {{"data/textures/cur_normal.tga", "data/textures/cur_normal.png"}, 32, 32, Plain([](Canvas& c) { DrawCursor(c, WidgetState::Normal); })},
        {{"data/textures/cur_active.tga", "data/textures/cur_active.png"}, 32, 32, Plain([](Canvas& c) { DrawCursor(c, WidgetState::Active); })},
        {{"data/textures/cur_press.tga", "data/textures/cur_press.png"}, 32, 32, Plain([](Canvas& c) { DrawCursor(c, WidgetState::Pressed); })},

        {{"data/textures/menu_back.png"}, 800, 600, Plain([](Canvas& c) { DrawCoast(c, CoastLight::Day); })},
        {{"data/textures/options_back.png"}, 800, 600,
         Plain([](Canvas& c) { DrawPanelBackdrop(c, {Rgb(0x34508E), Rgb(0x9AB0E0), 1101}); })},
        {{"data/textures/profile_back.png"}, 800, 600,
         Plain([](Canvas& c) { DrawPanelBackdrop(c, {Rgb(0xA0563A), Rgb(0xE8B890), 1201}); })},
        {{"data/textures/map_back.png"}, 800, 600, Plain(DrawChart)},
        {{"data/textures/black.png"}, 8, 8, Plain([](Canvas& c) { c.Clear(Rgb(0x000000)); })},
        {{"data/textures/water.png"}, 256, 256, Plain([](Canvas& c) { DrawWater(c, kMapWater); })},
        {{"data/textures/scene_frame.png"}, 510, 425, Plain(DrawSceneFrame)},
        {{"data/textures/scene_ship.png"}, 128, 96, Plain(DrawSceneShip)},

        {{"data/textures/history_back.png"}, 800, 600, Plain(DrawHistoryBack)},
        {{"data/textures/history_first_plane.png"}, 800, 600, Plain(DrawHistoryFirstPlane)},
        {{"data/textures/history_arc_mask.png"}, 512, 1024, Plain(DrawHistoryArcMask)},

        {{"data/textures/gallery/big1.png"}, 510, 425, Plain([](Canvas& c) { DrawCountryView(c, 1); })},
        {{"data/textures/gallery/big2.png"}, 510, 425, Plain([](Canvas& c) { DrawCountryView(c, 2); })},
        {{"data/textures/gallery/big3.png"}, 510, 425, Plain([](Canvas& c) { DrawCountryView(c, 3); })},
        {{"data/textures/gallery/big4.png"}, 510, 425, Plain([](Canvas& c) { DrawCountryView(c, 4); })},
        {{"data/textures/gallery/big5.png"}, 510, 425, Plain([](Canvas& c) { DrawCountryView(c, 5); })},
        {{"data/textures/gallery/big6.png"}, 510, 425, Plain([](Canvas& c) { DrawCountryView(c, 6); })},
        {{"data/textures/gallery/big7.png"}, 510, 425, Plain([](Canvas& c) { DrawCountryView(c, 7); })},
        // What the list shows of a scene not yet reached.
        {{"data/textures/gallery/locked1.png"}, 510, 425, Plain([](Canvas& c) { DrawLockedCountryView(c, 1); })},
        {{"data/textures/gallery/locked2.png"}, 510, 425, Plain([](Canvas& c) { DrawLockedCountryView(c, 2); })},
        {{"data/textures/gallery/locked3.png"}, 510, 425, Plain([](Canvas& c) { DrawLockedCountryView(c, 3); })},
        {{"data/textures/gallery/locked4.png"}, 510, 425, Plain([](Canvas& c) { DrawLockedCountryView(c, 4); })},
        {{"data/textures/gallery/locked5.png"}, 510, 425, Plain([](Canvas& c) { DrawLockedCountryView(c, 5); })},
        {{"data/textures/gallery/locked6.png"}, 510, 425, Plain([](Canvas& c) { DrawLockedCountryView(c, 6); })},
        {{"data/textures/gallery/locked7.png"}, 510, 425, Plain([](Canvas& c) { DrawLockedCountryView(c, 7); })},
        {{"data/textures/gallery/small1.png"}, 70, 50, Plain([](Canvas& c) { DrawCountryView(c, 1); })},
        {{"data/textures/gallery/small2.png"}, 70, 50, Plain([](Canvas& c) { DrawCountryView(c, 2); })},
        {{"data/textures/gallery/small3.png"}, 70, 50, Plain([](Canvas& c) { DrawCountryView(c, 3); })},
        {{"data/textures/gallery/small4.png"}, 70, 50, Plain([](Canvas& c) { DrawCountryView(c, 4); })},
        {{"data/textures/gallery/small5.png"}, 70, 50, Plain([](Canvas& c) { DrawCountryView(c, 5); })},
        {{"data/textures/gallery/small6.png"}, 70, 50, Plain([](Canvas& c) { DrawCountryView(c, 6); })},
        {{"data/textures/gallery/small7.png"}, 70, 50, Plain([](Canvas& c) { DrawCountryView(c, 7); })},
        {{"data/textures/gallery/list1.png"}, 80, 72, [](Canvas& c, ArtFaces& f) { DrawListPlate(c, f.serifBold, 1, 5); }},
        {{"data/textures/gallery/list2.png"}, 76, 72, [](Canvas& c, ArtFaces& f) { DrawListPlate(c, f.serifBold, 2, 1); }},
        {{"data/textures/gallery/list3.png"}, 80, 72, [](Canvas& c, ArtFaces& f) { DrawListPlate(c, f.serifBold, 3, 5); }},
        {{"data/textures/gallery/list4.png"}, 80, 72, [](Canvas& c, ArtFaces& f) { DrawListPlate(c, f.serifBold, 4, 5); }},
        {{"data/textures/gallery/list5.png"}, 80, 72, [](Canvas& c, ArtFaces& f) { DrawListPlate(c, f.serifBold, 5, 5); }},
        {{"data/textures/gallery/list6.png"}, 80, 72, [](Canvas& c, ArtFaces& f) { DrawListPlate(c, f.serifBold, 6, 5); }},
        {{"data/textures/gallery/list7.png"}, 80, 72, [](Canvas& c, ArtFaces& f) { DrawListPlate(c, f.serifBold, 7, 5); }},
        {{"data/textures/gallery/active_up.png"}, 92, 88, Plain(DrawActiveGlow)},
        {{"data/textures/gallery/active_right_shadow.png"}, 16, 64, Plain(DrawActiveRightShadow)},
        {{"data/textures/gallery/disable_shadow.png"}, 64, 64, Plain(DrawFloorShadow)},
        {{"data/textures/gallery/disable_last_shadow.png"}, 80, 64, Plain(DrawFloorShadow)},
        {{"data/textures/gallery/locked.png"}, 22, 28, Plain(DrawPadlock)},
        {{"data/textures/gallery_back.png"}, 800, 600, Plain(DrawGalleryWall)},

        {{"data/textures/sail/parus.png"}, 512, 512, Plain(DrawSailAtlas)},
        {{"data/textures/sail/verevki.png"}, 512, 1024, Plain(DrawRigging)},
        {{"data/textures/sail/machta.png"}, 512, 256, Plain(DrawMastBands)},
        {{"data/textures/sail/cloud.png"}, 64, 64, Plain(DrawCloud)},
        {{"data/textures/sail/sea.png"}, 256, 256, Plain([](Canvas& c) { DrawWater(c, kSailWater); })},
        {{"data/textures/sail_back.png"}, 800, 600, Plain(DrawSailBack)},

        {{"data/textures/button_narrow_normal.png"}, 128, 40, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Normal); })},
        {{"data/textures/button_narrow_active.png"}, 128, 40, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Active); })},
        {{"data/textures/button_narrow_press.png"}, 128, 40, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Pressed); })},
        {{"data/textures/button_normal.png"}, 200, 48, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Normal); })},
        {{"data/textures/button_active.png"}, 200, 48, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Active); })},
        {{"data/textures/button_press.png"}, 200, 48, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Pressed); })},
        {{"data/textures/button_disabled.png"}, 200, 48, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Disabled); })},
        {{"data/textures/button_small_normal.png"}, 48, 48, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Normal); })},
        {{"data/textures/button_small_active.png"}, 48, 48, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Active); })},
        {{"data/textures/button_small_press.png"}, 48, 48, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Pressed); })},
        {{"data/textures/checkbox_off.png"}, 32, 32, Plain([](Canvas& c) { DrawCheckbox(c, false); })},
        {{"data/textures/checkbox_on.png"}, 32, 32, Plain([](Canvas& c) { DrawCheckbox(c, true); })},
        {{"data/textures/slider_track.png"}, 256, 16, Plain(DrawSliderTrack)},
        {{"data/textures/slider_thumb.png"}, 24, 32, Plain(DrawSliderThumb)},
        {{"data/textures/editbox.png"}, 300, 40, Plain(DrawEditBox)},
        {{"data/textures/listbox.png"}, 300, 240, Plain(DrawPapyrusPanel)},
        {{"data/textures/panel.png"}, 400, 300, Plain(DrawFramedPanel)},
        {{"data/textures/menu_panel.png"}, 400, 360, Plain(DrawFramedPanel)},
        // The quit question: its screenshots in a window on the left.
        {{"data/textures/quit_panel.png"}, 600, 320, Plain([](Canvas& c) { DrawFramedPanelWithWindow(c, {36, 100, 228, 244}); })},
        {{"data/textures/tip_frame.png"}, 64, 64, Plain(DrawTooltipAtlas)},
        {{"data/textures/tip_arrow.png"}, 128, 64, Plain(DrawTooltipArrow)},
        {{"data/textures/tip_corner.png"}, 16, 16, Plain([](Canvas& c) { DrawTooltipPiece(c, TipPiece::Corner); })},
        {{"data/textures/tip_edge.png"}, 16, 16, Plain([](Canvas& c) { DrawTooltipPiece(c, TipPiece::Edge); })},
        {{"data/textures/tip_fill.png"}, 16, 16, Plain([](Canvas& c) { DrawTooltipPiece(c, TipPiece::Fill); })},
        {{"data/textures/tip_pointer.png"}, 16, 16, Plain([](Canvas& c) { DrawTooltipPiece(c, TipPiece::Arrow); })},

        // The world map and the pages over the board.
        {{"data/textures/map/earth.png"}, 800, 600, Plain(DrawChartLand)},
        {{"data/textures/map/sea.png"}, 800, 600, Plain(DrawChartSea)},
        {{"data/textures/map/shimmer.png"}, 256, 256, Plain(DrawSeaShimmer)},
        {{"data/textures/map/waypoints.png"}, 128, 256, Plain(DrawWaypointSheet)},
        {{"data/textures/map/flag.png"}, 64, 64, Plain(DrawMapFlag)},
        {{"data/textures/map/countries.png"}, 128, 256, [](Canvas& c, ArtFaces& f) { DrawCountryBadges(c, f.serifBold, true); }},
        {{"data/textures/map/countries_off.png"}, 128, 256, [](Canvas& c, ArtFaces& f) { DrawCountryBadges(c, f.serifBold, false); }},
        {{"data/textures/map/art_light.png"}, 256, 256, Plain(DrawArtefactLight)},
        {{"data/textures/map/shard0.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 0); })},
        {{"data/textures/map/shard1.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 1); })},
        {{"data/textures/map/shard2.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 2); })},
        {{"data/textures/map/shard3.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 3); })},
        {{"data/textures/map/shard4.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 4); })},
        {{"data/textures/map/shard5.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 5); })},
        {{"data/textures/map/shard6.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 6); })},
        {{"data/textures/map/shard7.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 7); })},
        {{"data/textures/map/shard8.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 8); })},
        {{"data/textures/map/shard9.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 9); })},
        {{"data/textures/map/shard10.png"}, 128, 128, Plain([](Canvas& c) { DrawArtefactShard(c, 10); })},
        {{"data/textures/map/title.png"}, 400, 110, [](Canvas& c, ArtFaces& f) { DrawIslandTitle(c, f.serifBold); }},
        {{"data/textures/map/sea_name.png"}, 200, 32, [](Canvas& c, ArtFaces& f) { DrawSeaName(c, f.serif); }},
        {{"data/textures/map/bonus_icons.png"}, 128, 32, [](Canvas& c, ArtFaces& f) { DrawBonusIcons(c, f.serifBold); }},
        {{"data/textures/map/wave.png"}, 256, 256, Plain(DrawWaveRing)},
        {{"data/textures/message_tiles.png"}, 120, 120, Plain(DrawMessageTiles)},
        {{"data/textures/message_shadow.png"}, 120, 120, Plain(DrawMessageShadowTiles)},
        {{"data/textures/statistics.png"}, 600, 432, Plain([](Canvas& c) { DrawPageTablet(c, true); })},
        {{"data/textures/page_panel.png"}, 400, 300, Plain([](Canvas& c) { DrawPageTablet(c, false); })},

        {{"data/textures/chips.png"}, 512, 64, Plain(DrawChipStrip)},
        {{"data/textures/cell.png"}, 64, 64, Plain(DrawCell)},
        {{"data/textures/board_frame.png"}, 512, 512, Plain(DrawBoardFrame)},
        {{"data/textures/particle.png"}, 32, 32, Plain(DrawGlowParticle)},
        {{"data/textures/spark.png"}, 32, 32, Plain(DrawSpark)},

        // ---- The board effects' pictures ----
        {{"data/textures/effects/flash.png"}, 128, 32, Plain(DrawLightningStrip)},
        {{"data/textures/effects/flash_ball.png"}, 64, 64, Plain(DrawFlashBall)},
        {{"data/textures/effects/energy2.png"}, 128, 32, Plain(DrawEnergyStreaks)},
        {{"data/textures/effects/frame_piece.png"}, 16, 16, Plain(DrawFramePiece)},
        {{"data/textures/effects/chip_shards.png"}, 256, 256, Plain(DrawChipShards)},
        {{"data/textures/effects/cover_shards.png"}, 256, 256, Plain(DrawCoverShards)},
        {{"data/textures/effects/chain1.png"}, 256, 64, [](Canvas& c, ArtFaces& f) { DrawChainWord(c, f.serifBold, "Good Chain!"); }},
        {{"data/textures/effects/chain2.png"}, 256, 64, [](Canvas& c, ArtFaces& f) { DrawChainWord(c, f.serifBold, "Great Chain!"); }},
        {{"data/textures/effects/chain3.png"}, 256, 64, [](Canvas& c, ArtFaces& f) { DrawChainWord(c, f.serifBold, "Super Chain!"); }},
        // ---- The level's start lettering ----
        {{"data/textures/effects/country_titles.png"}, 256, 256, [](Canvas& c, ArtFaces& f) { DrawCountryTitles(c, f.serifBold); }},
        {{"data/textures/effects/go.png"}, 256, 256, [](Canvas& c, ArtFaces& f) { DrawGoText(c, f.serifBold); }},
        // ---- The board screen ----
        {{"data/textures/board/squares.png"}, 512, 512, Plain(DrawSquaresAtlas)},
        {{"data/textures/board/chip0.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 0); })},
        {{"data/textures/board/chip1.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 1); })},
        {{"data/textures/board/chip2.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 2); })},
        {{"data/textures/board/chip3.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 3); })},
        {{"data/textures/board/chip4.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 4); })},
        {{"data/textures/board/chip5.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 5); })},
        {{"data/textures/board/chip6.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 6); })},
        {{"data/textures/board/chip7.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 7); })},
        {{"data/textures/board/chip8.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 8); })},
        {{"data/textures/board/chip9.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 9); })},
        {{"data/textures/board/chip10.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 10); })},
        {{"data/textures/board/chip11.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 11); })},
        {{"data/textures/board/chip12.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 12); })},
        {{"data/textures/board/chip13.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 13); })},
        {{"data/textures/board/chip14.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 14); })},
        {{"data/textures/board/chip15.png"}, 512, 256, Plain([](Canvas& c) { DrawChipTurnSheet(c, 15); })},
        {{"data/textures/board/scope1.png"}, 512, 512, Plain([](Canvas& c) { DrawStageFrame(c, 1); })},
        {{"data/textures/help/helpback.png"}, 800, 600, Plain([](Canvas& c) { DrawHelpBackground(c, 0); })},
        {{"data/textures/help/helpbg1.png"}, 800, 600, Plain([](Canvas& c) { DrawHelpBackground(c, 1); })},
        {{"data/textures/help/helpbg2.png"}, 800, 600, Plain([](Canvas& c) { DrawHelpBackground(c, 2); })},
        {{"data/textures/board/country1.png"}, 800, 600, Plain([](Canvas& c) { DrawCountryBackdrop(c, 1); })},
        {{"data/textures/board/cells1.png"}, 512, 512, Plain([](Canvas& c) { DrawStageCells(c, 1); })},
        {{"data/textures/board/scope2.png"}, 512, 512, Plain([](Canvas& c) { DrawStageFrame(c, 2); })},
        {{"data/textures/board/country2.png"}, 800, 600, Plain([](Canvas& c) { DrawCountryBackdrop(c, 2); })},
        {{"data/textures/board/cells2.png"}, 512, 512, Plain([](Canvas& c) { DrawStageCells(c, 2); })},
        {{"data/textures/board/scope3.png"}, 512, 512, Plain([](Canvas& c) { DrawStageFrame(c, 3); })},
        {{"data/textures/board/country3.png"}, 800, 600, Plain([](Canvas& c) { DrawCountryBackdrop(c, 3); })},
        {{"data/textures/board/cells3.png"}, 512, 512, Plain([](Canvas& c) { DrawStageCells(c, 3); })},
        {{"data/textures/board/scope4.png"}, 512, 512, Plain([](Canvas& c) { DrawStageFrame(c, 4); })},
        {{"data/textures/board/country4.png"}, 800, 600, Plain([](Canvas& c) { DrawCountryBackdrop(c, 4); })},
        {{"data/textures/board/cells4.png"}, 512, 512, Plain([](Canvas& c) { DrawStageCells(c, 4); })},
        {{"data/textures/board/scope5.png"}, 512, 512, Plain([](Canvas& c) { DrawStageFrame(c, 5); })},
        {{"data/textures/board/country5.png"}, 800, 600, Plain([](Canvas& c) { DrawCountryBackdrop(c, 5); })},
        {{"data/textures/board/cells5.png"}, 512, 512, Plain([](Canvas& c) { DrawStageCells(c, 5); })},
        {{"data/textures/board/scope6.png"}, 512, 512, Plain([](Canvas& c) { DrawStageFrame(c, 6); })},
        {{"data/textures/board/country6.png"}, 800, 600, Plain([](Canvas& c) { DrawCountryBackdrop(c, 6); })},
        {{"data/textures/board/cells6.png"}, 512, 512, Plain([](Canvas& c) { DrawStageCells(c, 6); })},
        {{"data/textures/board/scope7.png"}, 512, 512, Plain([](Canvas& c) { DrawStageFrame(c, 7); })},
        {{"data/textures/board/country7.png"}, 800, 600, Plain([](Canvas& c) { DrawCountryBackdrop(c, 7); })},
        {{"data/textures/board/cells7.png"}, 512, 512, Plain([](Canvas& c) { DrawStageCells(c, 7); })},
        {{"data/textures/board/sun1.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 1); })},
        {{"data/textures/board/sun2.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 2); })},
        {{"data/textures/board/sun3.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 3); })},
        {{"data/textures/board/sun4.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 4); })},
        {{"data/textures/board/sun5.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 5); })},
        {{"data/textures/board/sun6.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 6); })},
        {{"data/textures/board/sun7.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 7); })},
        {{"data/textures/board/sun8.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 8); })},
        {{"data/textures/board/sun9.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 9); })},
        {{"data/textures/board/sun10.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 10); })},
        {{"data/textures/board/sun11.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 11); })},
        {{"data/textures/board/sun12.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 12); })},
        {{"data/textures/board/sun13.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 13); })},
        {{"data/textures/board/sun14.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 14); })},
        {{"data/textures/board/sun15.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 15); })},
        {{"data/textures/board/sun16.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 16); })},
        {{"data/textures/board/sun17.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 17); })},
        {{"data/textures/board/sun18.png"}, 128, 128, Plain([](Canvas& c) { DrawSunLayer(c, 18); })},
        {{"data/textures/board/sun_border.png"}, 128, 128, Plain([](Canvas& c) { DrawSunGlow(c, false); })},
        {{"data/textures/board/sun_border_small.png"}, 128, 128, Plain([](Canvas& c) { DrawSunGlow(c, true); })},
        {{"data/textures/board/timer_empty.png"}, 519, 22, Plain(DrawTimeBarFrame)},
        {{"data/textures/board/timer.png"}, 512, 32, Plain(DrawTimeBarFill)},
        {{"data/textures/board/lives.png"}, 14, 14, Plain(DrawLifeIcon)},
        {{"data/textures/board/white.png"}, 8, 8, Plain(DrawWhite)},
        {{"data/textures/board/arrow.png"}, 64, 64, Plain([](Canvas& c) { DrawTipArrow(c, 0.75f); })},
        {{"data/textures/board/arrow_small.png"}, 64, 64, Plain([](Canvas& c) { DrawTipArrow(c, 0.625f); })},
        {{"data/textures/board/energy.png"}, 64, 16, Plain(DrawEnergyStrip)},
        {{"data/textures/board/koleso_troy.png"}, 256, 256, Plain(DrawTroyWheelPicture)},
        {{"data/textures/board/babylon_torches.png"}, 512, 64, Plain(DrawBabylonTorches)},
        {{"data/textures/board/babylon_mask.png"}, 256, 256, Plain(DrawBabylonGlow)},
        {{"data/textures/board/rome_foot.png"}, 32, 48, Plain(DrawRomeFoot)},
        {{"data/textures/board/greece_branches.png"}, 256, 256, Plain(DrawGreekBranches)},
        {{"data/textures/board/menu_normal.png"}, 92, 34, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Normal); })},
        {{"data/textures/board/menu_active.png"}, 92, 34, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Active); })},
        {{"data/textures/board/menu_press.png"}, 92, 34, Plain([](Canvas& c) { DrawButtonPlate(c, WidgetState::Pressed); })},
        {{"data/textures/Particles/light.jpg", "data/textures/Particles/light.png"}, 64, 64, Plain(DrawFlash)},
        {{"data/textures/Fields/firefly.tga", "data/textures/Fields/firefly.png"}, 32, 32, Plain(DrawGlowParticle)},

        // ---- The main menu's backdrop, gems, panel, greeting and logo button (begin) ----
        {{"data/textures/menu/sea.png"}, 800, 600, Plain(DrawUnderwaterBackdrop)},
        {{"data/textures/menu/colonnade.png"}, 800, 398, Plain(DrawColonnade)},
        {{"data/textures/menu/light_mask.png"}, 800, 600, Plain(DrawLightMask)},
        {{"data/textures/menu/school_fish.png"}, 64, 16, Plain(DrawSchoolFish)},
        {{"data/textures/menu/weed.png"}, 64, 256, Plain(DrawWeed)},
        {{"data/textures/menu/bubble.png"}, 16, 16, Plain(DrawBubble)},
        {{"data/textures/menu/gem1.png"}, 60, 60, Plain([](Canvas& c) { DrawMenuGem(c, 0); })},
        {{"data/textures/menu/gem2.png"}, 60, 60, Plain([](Canvas& c) { DrawMenuGem(c, 1); })},
        {{"data/textures/menu/gem3.png"}, 60, 60, Plain([](Canvas& c) { DrawMenuGem(c, 2); })},
        {{"data/textures/menu/gem4.png"}, 60, 60, Plain([](Canvas& c) { DrawMenuGem(c, 3); })},
        {{"data/textures/menu/gem5.png"}, 60, 60, Plain([](Canvas& c) { DrawMenuGem(c, 4); })},
        {{"data/textures/menu/gem6.png"}, 60, 60, Plain([](Canvas& c) { DrawMenuGem(c, 5); })},
        {{"data/textures/menu/gem7.png"}, 60, 60, Plain([](Canvas& c) { DrawMenuGem(c, 6); })},
        {{"data/textures/Shield/ray.jpg", "data/textures/Shield/ray.png"}, 256, 64, Plain([](Canvas& c) { DrawLightBeam(c, 0); })},
        {{"data/textures/Shield/ray1.jpg", "data/textures/Shield/ray1.png"}, 256, 64, Plain([](Canvas& c) { DrawLightBeam(c, 1); })},
        {{"data/textures/Shield/ray2.jpg", "data/textures/Shield/ray2.png"}, 256, 64, Plain([](Canvas& c) { DrawLightBeam(c, 2); })},
        {{"data/textures/menu/hiscore_panel.png"}, 420, 440, [](Canvas& c, ArtFaces& f) { DrawHiScoreTablet(c, f.serifBold); }},
        {{"data/textures/menu/welcome.png"}, 150, 40, [](Canvas& c, ArtFaces& f) { DrawWelcomeLettering(c, f.serifBold); }},
        {{"data/textures/menu/change_player.png"}, 180, 36, [](Canvas& c, ArtFaces& f) { DrawChangePlayerPlate(c, f.serifBold, false); }},
        {{"data/textures/menu/change_player_glow.png"}, 180, 36, [](Canvas& c, ArtFaces& f) { DrawChangePlayerPlate(c, f.serifBold, true); }},
        {{"fsdata/logo_na.png"}, 128, 64, [](Canvas& c, ArtFaces& f) { DrawLogoButton(c, f.serifBold, false); }},
        {{"fsdata/logo_a.png"}, 128, 64, [](Canvas& c, ArtFaces& f) { DrawLogoButton(c, f.serifBold, true); }},
        {{"data/textures/menu/ss_color0.png"}, 192, 144, Screenshot(0, true)},
        {{"data/textures/menu/ss_bw0.png"}, 192, 144, Screenshot(0, false)},
        {{"data/textures/menu/ss_color1.png"}, 192, 144, Screenshot(1, true)},
        {{"data/textures/menu/ss_bw1.png"}, 192, 144, Screenshot(1, false)},
        {{"data/textures/menu/ss_color2.png"}, 192, 144, Screenshot(2, true)},
        {{"data/textures/menu/ss_bw2.png"}, 192, 144, Screenshot(2, false)},
        {{"data/textures/menu/ss_color3.png"}, 192, 144, Screenshot(3, true)},
        {{"data/textures/menu/ss_bw3.png"}, 192, 144, Screenshot(3, false)},
        {{"data/textures/fish/fish0_00.png"}, 128, 64, FishFrame(0, 0)},
        {{"data/textures/fish/fish0_01.png"}, 128, 64, FishFrame(0, 1)},
        {{"data/textures/fish/fish0_02.png"}, 128, 64, FishFrame(0, 2)},
        {{"data/textures/fish/fish0_03.png"}, 128, 64, FishFrame(0, 3)},
        {{"data/textures/fish/fish0_04.png"}, 128, 64, FishFrame(0, 4)},
        {{"data/textures/fish/fish0_05.png"}, 128, 64, FishFrame(0, 5)},
        {{"data/textures/fish/fish0_06.png"}, 128, 64, FishFrame(0, 6)},
        {{"data/textures/fish/fish0_07.png"}, 128, 64, FishFrame(0, 7)},
        {{"data/textures/fish/fish1_00.png"}, 128, 64, FishFrame(1, 0)},
        {{"data/textures/fish/fish1_01.png"}, 128, 64, FishFrame(1, 1)},
        {{"data/textures/fish/fish1_02.png"}, 128, 64, FishFrame(1, 2)},
        {{"data/textures/fish/fish1_03.png"}, 128, 64, FishFrame(1, 3)},
        {{"data/textures/fish/fish1_04.png"}, 128, 64, FishFrame(1, 4)},
        {{"data/textures/fish/fish1_05.png"}, 128, 64, FishFrame(1, 5)},
        {{"data/textures/fish/fish1_06.png"}, 128, 64, FishFrame(1, 6)},
        {{"data/textures/fish/fish1_07.png"}, 128, 64, FishFrame(1, 7)},
        {{"data/textures/fish/fish2_00.png"}, 128, 64, FishFrame(2, 0)},
        {{"data/textures/fish/fish2_01.png"}, 128, 64, FishFrame(2, 1)},
        {{"data/textures/fish/fish2_02.png"}, 128, 64, FishFrame(2, 2)},
        {{"data/textures/fish/fish2_03.png"}, 128, 64, FishFrame(2, 3)},
        {{"data/textures/fish/fish2_04.png"}, 128, 64, FishFrame(2, 4)},
        {{"data/textures/fish/fish2_05.png"}, 128, 64, FishFrame(2, 5)},
        {{"data/textures/fish/fish2_06.png"}, 128, 64, FishFrame(2, 6)},
        {{"data/textures/fish/fish2_07.png"}, 128, 64, FishFrame(2, 7)},
        {{"data/textures/fish/fish3_00.png"}, 128, 64, FishFrame(3, 0)},
        {{"data/textures/fish/fish3_01.png"}, 128, 64, FishFrame(3, 1)},
        {{"data/textures/fish/fish3_02.png"}, 128, 64, FishFrame(3, 2)},
        {{"data/textures/fish/fish3_03.png"}, 128, 64, FishFrame(3, 3)},
        {{"data/textures/fish/fish3_04.png"}, 128, 64, FishFrame(3, 4)},
        {{"data/textures/fish/fish3_05.png"}, 128, 64, FishFrame(3, 5)},
        {{"data/textures/fish/fish3_06.png"}, 128, 64, FishFrame(3, 6)},
        {{"data/textures/fish/fish3_07.png"}, 128, 64, FishFrame(3, 7)},
        {{"data/textures/fish/fish4_00.png"}, 128, 64, FishFrame(4, 0)},
        {{"data/textures/fish/fish4_01.png"}, 128, 64, FishFrame(4, 1)},
        {{"data/textures/fish/fish4_02.png"}, 128, 64, FishFrame(4, 2)},
        {{"data/textures/fish/fish4_03.png"}, 128, 64, FishFrame(4, 3)},
        {{"data/textures/fish/fish4_04.png"}, 128, 64, FishFrame(4, 4)},
        {{"data/textures/fish/fish4_05.png"}, 128, 64, FishFrame(4, 5)},
        {{"data/textures/fish/fish4_06.png"}, 128, 64, FishFrame(4, 6)},
        {{"data/textures/fish/fish4_07.png"}, 128, 64, FishFrame(4, 7)},
        // ---- The main menu (end) ----
        // ---- The shield screen's wall, gems, glows and parchment ----
        {{"data/textures/Shield/back.png"}, 800, 600, Plain(DrawShieldBack)},
        {{"data/textures/Shield/GoldGem.png"}, ShieldGemPictureWidth(0), ShieldGemPictureHeight(0), ShieldGem(0)},
        {{"data/textures/Shield/SkyGem.png"}, ShieldGemPictureWidth(1), ShieldGemPictureHeight(1), ShieldGem(1)},
        {{"data/textures/Shield/SunGem.png"}, ShieldGemPictureWidth(2), ShieldGemPictureHeight(2), ShieldGem(2)},
        {{"data/textures/Shield/WaterGem.png"}, ShieldGemPictureWidth(3), ShieldGemPictureHeight(3), ShieldGem(3)},
        {{"data/textures/Shield/WeaponGem.png"}, ShieldGemPictureWidth(4), ShieldGemPictureHeight(4), ShieldGem(4)},
        {{"data/textures/Shield/GrassGem.png"}, ShieldGemPictureWidth(5), ShieldGemPictureHeight(5), ShieldGem(5)},
        {{"data/textures/Shield/FireGem.png"}, ShieldGemPictureWidth(6), ShieldGemPictureHeight(6), ShieldGem(6)},
        {{"data/textures/Shield/glow0.png"}, 256, 128, ShieldGlow(0)},
        {{"data/textures/Shield/glow1.png"}, 256, 128, ShieldGlow(1)},
        {{"data/textures/Shield/glow2.png"}, 256, 128, ShieldGlow(2)},
        {{"data/textures/Shield/glow3.png"}, 256, 128, ShieldGlow(3)},
        {{"data/textures/Shield/glow4.png"}, 256, 128, ShieldGlow(4)},
        {{"data/textures/Shield/glow5.png"}, 256, 128, ShieldGlow(5)},
        {{"data/textures/Shield/glow6.png"}, 256, 128, ShieldGlow(6)},
        {{"data/textures/Shield/pergament.png"}, 417, 512, Plain(DrawPergament)},
        // ---- The stage tips of the profile list ----
        {{"data/textures/tips/stage_tip1.png"}, 64, 64, StageTipPicture(0)},
        {{"data/textures/tips/stage_tip2.png"}, 64, 64, StageTipPicture(1)},
        {{"data/textures/tips/stage_tip3.png"}, 64, 64, StageTipPicture(2)},
        {{"data/textures/tips/stage_tip4.png"}, 64, 64, StageTipPicture(3)},
        {{"data/textures/tips/stage_tip5.png"}, 64, 64, StageTipPicture(4)},
        {{"data/textures/tips/stage_tip6.png"}, 64, 64, StageTipPicture(5)},
        {{"data/textures/tips/stage_tip7.png"}, 64, 64, StageTipPicture(6)},
        {{"data/textures/tips/stage_tip8.png"}, 64, 64, StageTipPicture(7)},
        // ---- The artefacts, whole and in pieces ----
        {{"data/textures/artefacts/art1_full.png"}, 256, 256, ArtefactFull(0)},
        {{"data/textures/artefacts/art1_1.png"}, 64, 64, ArtefactPiece(0, 0)},
        {{"data/textures/artefacts/art1_2.png"}, 64, 64, ArtefactPiece(0, 1)},
        {{"data/textures/artefacts/art1_3.png"}, 64, 64, ArtefactPiece(0, 2)},
        {{"data/textures/artefacts/art1_4.png"}, 64, 64, ArtefactPiece(0, 3)},
        {{"data/textures/artefacts/art1_5.png"}, 64, 64, ArtefactPiece(0, 4)},
        {{"data/textures/artefacts/art1_6.png"}, 64, 64, ArtefactPiece(0, 5)},
        {{"data/textures/artefacts/art1_7.png"}, 64, 64, ArtefactPiece(0, 6)},
        {{"data/textures/artefacts/art1_8.png"}, 64, 64, ArtefactPiece(0, 7)},
        {{"data/textures/artefacts/art1_9.png"}, 64, 64, ArtefactPiece(0, 8)},
        {{"data/textures/artefacts/art1_10.png"}, 64, 64, ArtefactPiece(0, 9)},
        {{"data/textures/artefacts/art1_11.png"}, 64, 64, ArtefactPiece(0, 10)},
        {{"data/textures/artefacts/art1_12.png"}, 64, 64, ArtefactPiece(0, 11)},
        {{"data/textures/artefacts/art1_13.png"}, 64, 64, ArtefactPiece(0, 12)},
        {{"data/textures/artefacts/art1_14.png"}, 64, 64, ArtefactPiece(0, 13)},
        {{"data/textures/artefacts/art1_15.png"}, 64, 64, ArtefactPiece(0, 14)},
        {{"data/textures/artefacts/art1_16.png"}, 64, 64, ArtefactPiece(0, 15)},
        {{"data/textures/artefacts/art2_full.png"}, 256, 256, ArtefactFull(1)},
        {{"data/textures/artefacts/art2_1.png"}, 64, 64, ArtefactPiece(1, 0)},
        {{"data/textures/artefacts/art2_2.png"}, 64, 64, ArtefactPiece(1, 1)},
        {{"data/textures/artefacts/art2_3.png"}, 64, 64, ArtefactPiece(1, 2)},
        {{"data/textures/artefacts/art2_4.png"}, 64, 64, ArtefactPiece(1, 3)},
        {{"data/textures/artefacts/art2_5.png"}, 64, 64, ArtefactPiece(1, 4)},
        {{"data/textures/artefacts/art2_6.png"}, 64, 64, ArtefactPiece(1, 5)},
        {{"data/textures/artefacts/art2_7.png"}, 64, 64, ArtefactPiece(1, 6)},
        {{"data/textures/artefacts/art2_8.png"}, 64, 64, ArtefactPiece(1, 7)},
        {{"data/textures/artefacts/art2_9.png"}, 64, 64, ArtefactPiece(1, 8)},
        {{"data/textures/artefacts/art2_10.png"}, 64, 64, ArtefactPiece(1, 9)},
        {{"data/textures/artefacts/art2_11.png"}, 64, 64, ArtefactPiece(1, 10)},
        {{"data/textures/artefacts/art2_12.png"}, 64, 64, ArtefactPiece(1, 11)},
        {{"data/textures/artefacts/art2_13.png"}, 64, 64, ArtefactPiece(1, 12)},
        {{"data/textures/artefacts/art2_14.png"}, 64, 64, ArtefactPiece(1, 13)},
        {{"data/textures/artefacts/art2_15.png"}, 64, 64, ArtefactPiece(1, 14)},
        {{"data/textures/artefacts/art2_16.png"}, 64, 64, ArtefactPiece(1, 15)},
        {{"data/textures/artefacts/art3_full.png"}, 256, 256, ArtefactFull(2)},
        {{"data/textures/artefacts/art3_1.png"}, 64, 64, ArtefactPiece(2, 0)},
        {{"data/textures/artefacts/art3_2.png"}, 64, 64, ArtefactPiece(2, 1)},
        {{"data/textures/artefacts/art3_3.png"}, 64, 64, ArtefactPiece(2, 2)},
        {{"data/textures/artefacts/art3_4.png"}, 64, 64, ArtefactPiece(2, 3)},
        {{"data/textures/artefacts/art3_5.png"}, 64, 64, ArtefactPiece(2, 4)},
        {{"data/textures/artefacts/art3_6.png"}, 64, 64, ArtefactPiece(2, 5)},
        {{"data/textures/artefacts/art3_7.png"}, 64, 64, ArtefactPiece(2, 6)},
        {{"data/textures/artefacts/art3_8.png"}, 64, 64, ArtefactPiece(2, 7)},
        {{"data/textures/artefacts/art3_9.png"}, 64, 64, ArtefactPiece(2, 8)},
        {{"data/textures/artefacts/art3_10.png"}, 64, 64, ArtefactPiece(2, 9)},
        {{"data/textures/artefacts/art3_11.png"}, 64, 64, ArtefactPiece(2, 10)},
        {{"data/textures/artefacts/art3_12.png"}, 64, 64, ArtefactPiece(2, 11)},
        {{"data/textures/artefacts/art3_13.png"}, 64, 64, ArtefactPiece(2, 12)},
        {{"data/textures/artefacts/art3_14.png"}, 64, 64, ArtefactPiece(2, 13)},
        {{"data/textures/artefacts/art3_15.png"}, 64, 64, ArtefactPiece(2, 14)},
        {{"data/textures/artefacts/art3_16.png"}, 64, 64, ArtefactPiece(2, 15)},
        {{"data/textures/artefacts/art4_full.png"}, 256, 256, ArtefactFull(3)},
        {{"data/textures/artefacts/art4_1.png"}, 64, 64, ArtefactPiece(3, 0)},
        {{"data/textures/artefacts/art4_2.png"}, 64, 64, ArtefactPiece(3, 1)},
        {{"data/textures/artefacts/art4_3.png"}, 64, 64, ArtefactPiece(3, 2)},
        {{"data/textures/artefacts/art4_4.png"}, 64, 64, ArtefactPiece(3, 3)},
        {{"data/textures/artefacts/art4_5.png"}, 64, 64, ArtefactPiece(3, 4)},
        {{"data/textures/artefacts/art4_6.png"}, 64, 64, ArtefactPiece(3, 5)},
        {{"data/textures/artefacts/art4_7.png"}, 64, 64, ArtefactPiece(3, 6)},
        {{"data/textures/artefacts/art4_8.png"}, 64, 64, ArtefactPiece(3, 7)},
        {{"data/textures/artefacts/art4_9.png"}, 64, 64, ArtefactPiece(3, 8)},
        {{"data/textures/artefacts/art4_10.png"}, 64, 64, ArtefactPiece(3, 9)},
        {{"data/textures/artefacts/art4_11.png"}, 64, 64, ArtefactPiece(3, 10)},
        {{"data/textures/artefacts/art4_12.png"}, 64, 64, ArtefactPiece(3, 11)},
        {{"data/textures/artefacts/art4_13.png"}, 64, 64, ArtefactPiece(3, 12)},
        {{"data/textures/artefacts/art4_14.png"}, 64, 64, ArtefactPiece(3, 13)},
        {{"data/textures/artefacts/art4_15.png"}, 64, 64, ArtefactPiece(3, 14)},
        {{"data/textures/artefacts/art4_16.png"}, 64, 64, ArtefactPiece(3, 15)},
        {{"data/textures/artefacts/art5_full.png"}, 256, 256, ArtefactFull(4)},
        {{"data/textures/artefacts/art5_1.png"}, 64, 64, ArtefactPiece(4, 0)},
        {{"data/textures/artefacts/art5_2.png"}, 64, 64, ArtefactPiece(4, 1)},
        {{"data/textures/artefacts/art5_3.png"}, 64, 64, ArtefactPiece(4, 2)},
        {{"data/textures/artefacts/art5_4.png"}, 64, 64, ArtefactPiece(4, 3)},
        {{"data/textures/artefacts/art5_5.png"}, 64, 64, ArtefactPiece(4, 4)},
        {{"data/textures/artefacts/art5_6.png"}, 64, 64, ArtefactPiece(4, 5)},
        {{"data/textures/artefacts/art5_7.png"}, 64, 64, ArtefactPiece(4, 6)},
        {{"data/textures/artefacts/art5_8.png"}, 64, 64, ArtefactPiece(4, 7)},
        {{"data/textures/artefacts/art5_9.png"}, 64, 64, ArtefactPiece(4, 8)},
        {{"data/textures/artefacts/art5_10.png"}, 64, 64, ArtefactPiece(4, 9)},
        {{"data/textures/artefacts/art5_11.png"}, 64, 64, ArtefactPiece(4, 10)},
        {{"data/textures/artefacts/art5_12.png"}, 64, 64, ArtefactPiece(4, 11)},
        {{"data/textures/artefacts/art5_13.png"}, 64, 64, ArtefactPiece(4, 12)},
        {{"data/textures/artefacts/art5_14.png"}, 64, 64, ArtefactPiece(4, 13)},
        {{"data/textures/artefacts/art5_15.png"}, 64, 64, ArtefactPiece(4, 14)},
        {{"data/textures/artefacts/art5_16.png"}, 64, 64, ArtefactPiece(4, 15)},
        {{"data/textures/artefacts/art6_full.png"}, 256, 256, ArtefactFull(5)},
        {{"data/textures/artefacts/art6_1.png"}, 64, 64, ArtefactPiece(5, 0)},
        {{"data/textures/artefacts/art6_2.png"}, 64, 64, ArtefactPiece(5, 1)},
        {{"data/textures/artefacts/art6_3.png"}, 64, 64, ArtefactPiece(5, 2)},
        {{"data/textures/artefacts/art6_4.png"}, 64, 64, ArtefactPiece(5, 3)},
        {{"data/textures/artefacts/art6_5.png"}, 64, 64, ArtefactPiece(5, 4)},
        {{"data/textures/artefacts/art6_6.png"}, 64, 64, ArtefactPiece(5, 5)},
        {{"data/textures/artefacts/art6_7.png"}, 64, 64, ArtefactPiece(5, 6)},
        {{"data/textures/artefacts/art6_8.png"}, 64, 64, ArtefactPiece(5, 7)},
        {{"data/textures/artefacts/art6_9.png"}, 64, 64, ArtefactPiece(5, 8)},
        {{"data/textures/artefacts/art6_10.png"}, 64, 64, ArtefactPiece(5, 9)},
        {{"data/textures/artefacts/art6_11.png"}, 64, 64, ArtefactPiece(5, 10)},
        {{"data/textures/artefacts/art6_12.png"}, 64, 64, ArtefactPiece(5, 11)},
        {{"data/textures/artefacts/art6_13.png"}, 64, 64, ArtefactPiece(5, 12)},
        {{"data/textures/artefacts/art6_14.png"}, 64, 64, ArtefactPiece(5, 13)},
        {{"data/textures/artefacts/art6_15.png"}, 64, 64, ArtefactPiece(5, 14)},
        {{"data/textures/artefacts/art6_16.png"}, 64, 64, ArtefactPiece(5, 15)},
        {{"data/textures/artefacts/art7_full.png"}, 256, 256, ArtefactFull(6)},
        {{"data/textures/artefacts/art7_1.png"}, 64, 64, ArtefactPiece(6, 0)},
        {{"data/textures/artefacts/art7_2.png"}, 64, 64, ArtefactPiece(6, 1)},
        {{"data/textures/artefacts/art7_3.png"}, 64, 64, ArtefactPiece(6, 2)},
        {{"data/textures/artefacts/art7_4.png"}, 64, 64, ArtefactPiece(6, 3)},
        {{"data/textures/artefacts/art7_5.png"}, 64, 64, ArtefactPiece(6, 4)},
        {{"data/textures/artefacts/art7_6.png"}, 64, 64, ArtefactPiece(6, 5)},
        {{"data/textures/artefacts/art7_7.png"}, 64, 64, ArtefactPiece(6, 6)},
        {{"data/textures/artefacts/art7_8.png"}, 64, 64, ArtefactPiece(6, 7)},
        {{"data/textures/artefacts/art7_9.png"}, 64, 64, ArtefactPiece(6, 8)},
        {{"data/textures/artefacts/art7_10.png"}, 64, 64, ArtefactPiece(6, 9)},
        {{"data/textures/artefacts/art7_11.png"}, 64, 64, ArtefactPiece(6, 10)},
        {{"data/textures/artefacts/art7_12.png"}, 64, 64, ArtefactPiece(6, 11)},
        {{"data/textures/artefacts/art7_13.png"}, 64, 64, ArtefactPiece(6, 12)},
        {{"data/textures/artefacts/art7_14.png"}, 64, 64, ArtefactPiece(6, 13)},
        {{"data/textures/artefacts/art7_15.png"}, 64, 64, ArtefactPiece(6, 14)},
        {{"data/textures/artefacts/art7_16.png"}, 64, 64, ArtefactPiece(6, 15)},
    };
    return pictures;
}

bool MakePicture(const PictureRecipe& recipe, ArtFaces& faces, const std::string& gameDir, std::string& error)
{
    Canvas canvas(recipe.width, recipe.height);
    recipe.draw(canvas, faces);
    const std::vector<std::uint8_t> rgba = canvas.ToRgba8();
    for (const std::string& relative : recipe.paths) {
        const std::string path = gameDir + "/" + relative;
        bool written = false;
        if (EndsWith(path, ".png"))
            written = WriteRgbaPng(path, recipe.width, recipe.height, rgba);
        else if (EndsWith(path, ".tga"))
            written = WriteRgbaTga(path, recipe.width, recipe.height, rgba);
        else if (EndsWith(path, ".jpg"))
            written = WriteRgbaJpeg(path, recipe.width, recipe.height, rgba, 90);
        if (!written) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}
