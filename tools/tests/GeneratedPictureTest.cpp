// The pictures the build draws, read back from the game folder the way the
// game's readers see them: PNG as 8-bit RGBA, the cursors as uncompressed
// 32-bit TGA with the origin at the bottom-left, the splashes as JPEG.

#include "tools/artgen/PictureTable.h"
#include "tests/support/TestEnvironment.h"
#include "tools/tests/PngPicture.h"

#include <gtest/gtest.h>
#include <png.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

std::string GameDir()
{
    const char* dir = std::getenv("VELMORA_GAME_DIR");
    return dir ? dir : "";
}

// The IHDR fields: width, height, bit depth, colour type.
bool ReadPngHeader(const std::string& path, int& width, int& height, int& depth, int& colourType)
{
    const std::string file = testing_support::ReadTextFile(path);
    if (file.size() < 33 || file.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || file.compare(12, 4, "IHDR") != 0)
        return false;
    auto be32 = [&](size_t at) {
        return (static_cast<unsigned char>(file[at]) << 24) | (static_cast<unsigned char>(file[at + 1]) << 16) |
               (static_cast<unsigned char>(file[at + 2]) << 8) | static_cast<unsigned char>(file[at + 3]);
    };
    width = be32(16);
    height = be32(20);
    depth = static_cast<unsigned char>(file[24]);
    colourType = static_cast<unsigned char>(file[25]);
    return true;
}

// An uncompressed 32-bit TGA as RGBA rows from the top.
bool ReadTga(const std::string& path, PngPicture& picture)
{
    const std::string file = testing_support::ReadTextFile(path);
    if (file.size() < 18)
        return false;
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(file[at]); };
    if (byte(2) != 2 || byte(16) != 32 || byte(17) != 8)
        return false;
    picture.width = byte(12) | (byte(13) << 8);
    picture.height = byte(14) | (byte(15) << 8);
    const size_t start = 18 + byte(0);
    if (file.size() != start + static_cast<size_t>(picture.width * picture.height) * 4)
        return false;
    picture.rgba.resize(static_cast<size_t>(picture.width * picture.height) * 4);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const size_t from = start + (static_cast<size_t>((picture.height - 1 - y) * picture.width + x)) * 4;
            unsigned char* to = &picture.rgba[static_cast<size_t>(y * picture.width + x) * 4];
            to[0] = byte(from + 2);
            to[1] = byte(from + 1);
            to[2] = byte(from);
            to[3] = byte(from + 3);
        }
    return true;
}

bool ReadJpegSize(const std::string& path, int& width, int& height, int& components)
{
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return false;
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in);
    const bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    width = static_cast<int>(info.image_width);
    height = static_cast<int>(info.image_height);
    components = info.num_components;
    jpeg_destroy_decompress(&info);
    std::fclose(in);
    return ok;
}

bool EndsWith(const std::string& text, const char* end)
{
    const size_t n = std::strlen(end);
    return text.size() >= n && text.compare(text.size() - n, n, end) == 0;
}

struct Wanted {
    const char* path;
    int width, height;
};

// The pictures the game's data names, with their sizes.
const Wanted kWanted[] = {
    {"fsdata/splash1.jpg", 800, 600},          {"fsdata/splash2.jpg", 800, 600},
    {"fsdata/splash1.png", 800, 600},          {"fsdata/splash2.png", 800, 600},
    {"data/textures/cur_normal.png", 32, 32},  {"data/textures/cur_active.png", 32, 32},
    {"data/textures/cur_press.png", 32, 32},
    {"fsdata/logo.png", 128, 64},              {"data/textures/cur_normal.tga", 32, 32},
    {"data/textures/cur_active.tga", 32, 32},  {"data/textures/cur_press.tga", 32, 32},
    {"data/textures/menu_back.png", 800, 600}, {"data/textures/options_back.png", 800, 600},
    {"data/textures/profile_back.png", 800, 600}, {"data/textures/map_back.png", 800, 600},
    {"data/textures/black.png", 8, 8},         {"data/textures/water.png", 256, 256},
    {"data/textures/scene_frame.png", 510, 425}, {"data/textures/scene_ship.png", 128, 96},
    {"data/textures/button_normal.png", 200, 48}, {"data/textures/button_active.png", 200, 48},
    {"data/textures/button_press.png", 200, 48}, {"data/textures/button_disabled.png", 200, 48},
    {"data/textures/button_small_normal.png", 48, 48}, {"data/textures/button_small_active.png", 48, 48},
    {"data/textures/button_small_press.png", 48, 48}, {"data/textures/checkbox_off.png", 32, 32},
    {"data/textures/checkbox_on.png", 32, 32}, {"data/textures/slider_track.png", 256, 16},
    {"data/textures/slider_thumb.png", 24, 32}, {"data/textures/editbox.png", 300, 40},
    {"data/textures/listbox.png", 300, 240},   {"data/textures/panel.png", 400, 300},
    {"data/textures/tip_frame.png", 64, 64},   {"data/textures/tip_arrow.png", 128, 64},
    {"data/textures/tip_corner.png", 16, 16},  {"data/textures/tip_edge.png", 16, 16},
    {"data/textures/tip_fill.png", 16, 16},    {"data/textures/tip_pointer.png", 16, 16},
    {"data/textures/logo.png", 128, 64},       {"data/textures/chips.png", 512, 64},
    {"data/textures/cell.png", 64, 64},        {"data/textures/board_frame.png", 512, 512},
    {"data/textures/particle.png", 32, 32},    {"data/textures/spark.png", 32, 32},
    {"data/textures/history_back.png", 800, 600}, {"data/textures/history_first_plane.png", 800, 600},
    {"data/textures/history_arc_mask.png", 512, 1024},
    {"data/textures/gallery/big1.png", 510, 425}, {"data/textures/gallery/locked1.png", 510, 425}, {"data/textures/gallery/small1.png", 70, 50},
    {"data/textures/gallery/list1.png", 80, 72},
    {"data/textures/gallery/big2.png", 510, 425}, {"data/textures/gallery/locked2.png", 510, 425}, {"data/textures/gallery/small2.png", 70, 50},
    {"data/textures/gallery/list2.png", 76, 72},
    {"data/textures/gallery/big3.png", 510, 425}, {"data/textures/gallery/locked3.png", 510, 425}, {"data/textures/gallery/small3.png", 70, 50},
    {"data/textures/gallery/list3.png", 80, 72},
    {"data/textures/gallery/big4.png", 510, 425}, {"data/textures/gallery/locked4.png", 510, 425}, {"data/textures/gallery/small4.png", 70, 50},
    {"data/textures/gallery/list4.png", 80, 72},
    {"data/textures/gallery/big5.png", 510, 425}, {"data/textures/gallery/locked5.png", 510, 425}, {"data/textures/gallery/small5.png", 70, 50},
    {"data/textures/gallery/list5.png", 80, 72},
    {"data/textures/gallery/big6.png", 510, 425}, {"data/textures/gallery/locked6.png", 510, 425}, {"data/textures/gallery/small6.png", 70, 50},
    {"data/textures/gallery/list6.png", 80, 72},
    {"data/textures/gallery/big7.png", 510, 425}, {"data/textures/gallery/locked7.png", 510, 425}, {"data/textures/gallery/small7.png", 70, 50},
    {"data/textures/gallery/list7.png", 80, 72},
    {"data/textures/gallery/active_up.png", 92, 88}, {"data/textures/gallery/active_right_shadow.png", 16, 64},
    {"data/textures/gallery/disable_shadow.png", 64, 64}, {"data/textures/gallery/disable_last_shadow.png", 80, 64},
    {"data/textures/gallery/locked.png", 22, 28},  {"data/textures/gallery_back.png", 800, 600},
    {"data/textures/sail/parus.png", 512, 512},    {"data/textures/sail/verevki.png", 512, 1024},
    {"data/textures/sail/machta.png", 512, 256},   {"data/textures/sail/cloud.png", 64, 64},
    {"data/textures/sail/sea.png", 256, 256},
    {"data/textures/sail_back.png", 800, 600},
    {"data/textures/button_narrow_normal.png", 128, 40}, {"data/textures/button_narrow_active.png", 128, 40},
    {"data/textures/button_narrow_press.png", 128, 40}, {"data/textures/menu_panel.png", 400, 360},
    {"data/textures/quit_panel.png", 600, 320},
    // The world map and the pages over the board.
    {"data/textures/map/earth.png", 800, 600}, {"data/textures/map/sea.png", 800, 600},
    {"data/textures/map/shimmer.png", 256, 256}, {"data/textures/map/waypoints.png", 128, 256},
    {"data/textures/map/flag.png", 64, 64},    {"data/textures/map/countries.png", 128, 256},
    {"data/textures/map/countries_off.png", 128, 256}, {"data/textures/map/art_light.png", 256, 256},
    {"data/textures/map/shard0.png", 128, 128}, {"data/textures/map/shard1.png", 128, 128},
    {"data/textures/map/shard2.png", 128, 128}, {"data/textures/map/shard3.png", 128, 128},
    {"data/textures/map/shard4.png", 128, 128}, {"data/textures/map/shard5.png", 128, 128},
    {"data/textures/map/shard6.png", 128, 128}, {"data/textures/map/shard7.png", 128, 128},
    {"data/textures/map/shard8.png", 128, 128}, {"data/textures/map/shard9.png", 128, 128},
    {"data/textures/map/shard10.png", 128, 128}, {"data/textures/map/title.png", 400, 110},
    {"data/textures/map/sea_name.png", 200, 32}, {"data/textures/map/bonus_icons.png", 128, 32},
    {"data/textures/map/wave.png", 256, 256},  {"data/textures/message_tiles.png", 120, 120},
    {"data/textures/message_shadow.png", 120, 120}, {"data/textures/statistics.png", 600, 432},
    {"data/textures/page_panel.png", 400, 300},
    // The main menu.
    {"data/textures/menu/sea.png", 800, 600}, {"data/textures/menu/colonnade.png", 800, 398},
    {"data/textures/menu/light_mask.png", 800, 600}, {"data/textures/menu/school_fish.png", 64, 16},
    {"data/textures/menu/weed.png", 64, 256}, {"data/textures/menu/bubble.png", 16, 16},
    {"data/textures/menu/gem1.png", 60, 60}, {"data/textures/menu/gem2.png", 60, 60},
    {"data/textures/menu/gem3.png", 60, 60}, {"data/textures/menu/gem4.png", 60, 60},
    {"data/textures/menu/gem5.png", 60, 60}, {"data/textures/menu/gem6.png", 60, 60},
    {"data/textures/menu/gem7.png", 60, 60}, {"data/textures/Shield/ray.jpg", 256, 64},
    {"data/textures/Shield/ray.png", 256, 64}, {"data/textures/Shield/ray1.jpg", 256, 64},
    {"data/textures/Shield/ray1.png", 256, 64}, {"data/textures/Shield/ray2.jpg", 256, 64},
    {"data/textures/Shield/ray2.png", 256, 64}, {"data/textures/menu/hiscore_panel.png", 420, 440},
    {"data/textures/menu/welcome.png", 150, 40}, {"data/textures/menu/change_player.png", 180, 36},
    {"data/textures/menu/change_player_glow.png", 180, 36}, {"fsdata/logo_na.png", 128, 64},
    {"fsdata/logo_a.png", 128, 64}, {"data/textures/menu/ss_color0.png", 192, 144},
    {"data/textures/menu/ss_bw0.png", 192, 144}, {"data/textures/menu/ss_color1.png", 192, 144},
    {"data/textures/menu/ss_bw1.png", 192, 144}, {"data/textures/menu/ss_color2.png", 192, 144},
    {"data/textures/menu/ss_bw2.png", 192, 144}, {"data/textures/menu/ss_color3.png", 192, 144},
    {"data/textures/menu/ss_bw3.png", 192, 144}, {"data/textures/fish/fish0_00.png", 128, 64},
    {"data/textures/fish/fish0_01.png", 128, 64}, {"data/textures/fish/fish0_02.png", 128, 64},
    {"data/textures/fish/fish0_03.png", 128, 64}, {"data/textures/fish/fish0_04.png", 128, 64},
    {"data/textures/fish/fish0_05.png", 128, 64}, {"data/textures/fish/fish0_06.png", 128, 64},
    {"data/textures/fish/fish0_07.png", 128, 64}, {"data/textures/fish/fish1_00.png", 128, 64},
    {"data/textures/fish/fish1_01.png", 128, 64}, {"data/textures/fish/fish1_02.png", 128, 64},
    {"data/textures/fish/fish1_03.png", 128, 64}, {"data/textures/fish/fish1_04.png", 128, 64},
    {"data/textures/fish/fish1_05.png", 128, 64}, {"data/textures/fish/fish1_06.png", 128, 64},
    {"data/textures/fish/fish1_07.png", 128, 64}, {"data/textures/fish/fish2_00.png", 128, 64},
    {"data/textures/fish/fish2_01.png", 128, 64}, {"data/textures/fish/fish2_02.png", 128, 64},
    {"data/textures/fish/fish2_03.png", 128, 64}, {"data/textures/fish/fish2_04.png", 128, 64},
    {"data/textures/fish/fish2_05.png", 128, 64}, {"data/textures/fish/fish2_06.png", 128, 64},
    {"data/textures/fish/fish2_07.png", 128, 64}, {"data/textures/fish/fish3_00.png", 128, 64},
    {"data/textures/fish/fish3_01.png", 128, 64}, {"data/textures/fish/fish3_02.png", 128, 64},
    {"data/textures/fish/fish3_03.png", 128, 64}, {"data/textures/fish/fish3_04.png", 128, 64},
    {"data/textures/fish/fish3_05.png", 128, 64}, {"data/textures/fish/fish3_06.png", 128, 64},
    {"data/textures/fish/fish3_07.png", 128, 64}, {"data/textures/fish/fish4_00.png", 128, 64},
    {"data/textures/fish/fish4_01.png", 128, 64}, {"data/textures/fish/fish4_02.png", 128, 64},
    {"data/textures/fish/fish4_03.png", 128, 64}, {"data/textures/fish/fish4_04.png", 128, 64},
    {"data/textures/fish/fish4_05.png", 128, 64}, {"data/textures/fish/fish4_06.png", 128, 64},
    {"data/textures/fish/fish4_07.png", 128, 64},
    {"data/textures/effects/flash.png", 128, 32},       {"data/textures/effects/flash_ball.png", 64, 64},
    {"data/textures/effects/energy2.png", 128, 32},     {"data/textures/effects/frame_piece.png", 16, 16},
    {"data/textures/effects/chip_shards.png", 256, 256}, {"data/textures/effects/cover_shards.png", 256, 256},
    {"data/textures/effects/chain1.png", 256, 64},      {"data/textures/effects/chain2.png", 256, 64},
    {"data/textures/effects/chain3.png", 256, 64},
    {"data/textures/effects/country_titles.png", 256, 256},
    {"data/textures/effects/go.png", 256, 256},
    {"data/textures/board/squares.png", 512, 512},
    {"data/textures/board/chip0.png", 512, 256},
    {"data/textures/board/chip1.png", 512, 256},
    {"data/textures/board/chip2.png", 512, 256},
    {"data/textures/board/chip3.png", 512, 256},
    {"data/textures/board/chip4.png", 512, 256},
    {"data/textures/board/chip5.png", 512, 256},
    {"data/textures/board/chip6.png", 512, 256},
    {"data/textures/board/chip7.png", 512, 256},
    {"data/textures/board/chip8.png", 512, 256},
    {"data/textures/board/chip9.png", 512, 256},
    {"data/textures/board/chip10.png", 512, 256},
    {"data/textures/board/chip11.png", 512, 256},
    {"data/textures/board/chip12.png", 512, 256},
    {"data/textures/board/chip13.png", 512, 256},
    {"data/textures/board/chip14.png", 512, 256},
    {"data/textures/board/chip15.png", 512, 256},
    {"data/textures/board/scope1.png", 512, 512},
    {"data/textures/help/helpback.png", 800, 600},
    {"data/textures/help/helpbg1.png", 800, 600},
    {"data/textures/help/helpbg2.png", 800, 600},
    {"data/textures/board/country1.png", 800, 600},
    {"data/textures/board/cells1.png", 512, 512},
    {"data/textures/board/scope2.png", 512, 512},
    {"data/textures/board/country2.png", 800, 600},
    {"data/textures/board/cells2.png", 512, 512},
    {"data/textures/board/scope3.png", 512, 512},
    {"data/textures/board/country3.png", 800, 600},
    {"data/textures/board/cells3.png", 512, 512},
    {"data/textures/board/scope4.png", 512, 512},
    {"data/textures/board/country4.png", 800, 600},
    {"data/textures/board/cells4.png", 512, 512},
    {"data/textures/board/scope5.png", 512, 512},
    {"data/textures/board/country5.png", 800, 600},
    {"data/textures/board/cells5.png", 512, 512},
    {"data/textures/board/scope6.png", 512, 512},
    {"data/textures/board/country6.png", 800, 600},
    {"data/textures/board/cells6.png", 512, 512},
    {"data/textures/board/scope7.png", 512, 512},
    {"data/textures/board/country7.png", 800, 600},
    {"data/textures/board/cells7.png", 512, 512},
    {"data/textures/board/sun1.png", 128, 128},
    {"data/textures/board/sun2.png", 128, 128},
    {"data/textures/board/sun3.png", 128, 128},
    {"data/textures/board/sun4.png", 128, 128},
    {"data/textures/board/sun5.png", 128, 128},
    {"data/textures/board/sun6.png", 128, 128},
    {"data/textures/board/sun7.png", 128, 128},
    {"data/textures/board/sun8.png", 128, 128},
    {"data/textures/board/sun9.png", 128, 128},
    {"data/textures/board/sun10.png", 128, 128},
    {"data/textures/board/sun11.png", 128, 128},
    {"data/textures/board/sun12.png", 128, 128},
    {"data/textures/board/sun13.png", 128, 128},
    {"data/textures/board/sun14.png", 128, 128},
    {"data/textures/board/sun15.png", 128, 128},
    {"data/textures/board/sun16.png", 128, 128},
    {"data/textures/board/sun17.png", 128, 128},
    {"data/textures/board/sun18.png", 128, 128},
    {"data/textures/board/sun_border.png", 128, 128},
    {"data/textures/board/sun_border_small.png", 128, 128},
    {"data/textures/board/timer_empty.png", 519, 22},
    {"data/textures/board/timer.png", 512, 32},
    {"data/textures/board/lives.png", 14, 14},
    {"data/textures/board/white.png", 8, 8},
    {"data/textures/board/arrow.png", 64, 64},
    {"data/textures/board/arrow_small.png", 64, 64},
    {"data/textures/board/energy.png", 64, 16},
    {"data/textures/board/koleso_troy.png", 256, 256},
    {"data/textures/board/babylon_torches.png", 512, 64},
    {"data/textures/board/babylon_mask.png", 256, 256},
    {"data/textures/board/rome_foot.png", 32, 48},
    {"data/textures/board/greece_branches.png", 256, 256},
    {"data/textures/board/menu_normal.png", 92, 34},
    {"data/textures/board/menu_active.png", 92, 34},
    {"data/textures/board/menu_press.png", 92, 34},
    {"data/textures/Particles/light.jpg", 64, 64},
    {"data/textures/Particles/light.png", 64, 64},
    {"data/textures/Fields/firefly.tga", 32, 32},
    {"data/textures/Fields/firefly.png", 32, 32},
    // The gems are cut to the shield's outlines.
    {"data/textures/Shield/back.png", 800, 600},     {"data/textures/Shield/GoldGem.png", 158, 84},
    {"data/textures/Shield/SkyGem.png", 131, 95},    {"data/textures/Shield/SunGem.png", 130, 154},
    {"data/textures/Shield/WaterGem.png", 123, 101}, {"data/textures/Shield/WeaponGem.png", 159, 81},
    {"data/textures/Shield/GrassGem.png", 134, 85},  {"data/textures/Shield/FireGem.png", 129, 88},
    {"data/textures/Shield/glow0.png", 256, 128},    {"data/textures/Shield/glow1.png", 256, 128},
    {"data/textures/Shield/glow2.png", 256, 128},    {"data/textures/Shield/glow3.png", 256, 128},
    {"data/textures/Shield/glow4.png", 256, 128},    {"data/textures/Shield/glow5.png", 256, 128},
    {"data/textures/Shield/glow6.png", 256, 128},    {"data/textures/Shield/pergament.png", 417, 512},
    // Each artefact whole and in sixteen pieces.
    {"data/textures/tips/stage_tip1.png", 64, 64},
    {"data/textures/tips/stage_tip2.png", 64, 64},
    {"data/textures/tips/stage_tip3.png", 64, 64},
    {"data/textures/tips/stage_tip4.png", 64, 64},
    {"data/textures/tips/stage_tip5.png", 64, 64},
    {"data/textures/tips/stage_tip6.png", 64, 64},
    {"data/textures/tips/stage_tip7.png", 64, 64},
    {"data/textures/tips/stage_tip8.png", 64, 64},
    {"data/textures/artefacts/art1_full.png", 256, 256},
    {"data/textures/artefacts/art1_1.png", 64, 64}, {"data/textures/artefacts/art1_2.png", 64, 64}, {"data/textures/artefacts/art1_3.png", 64, 64},
    {"data/textures/artefacts/art1_4.png", 64, 64}, {"data/textures/artefacts/art1_5.png", 64, 64}, {"data/textures/artefacts/art1_6.png", 64, 64},
    {"data/textures/artefacts/art1_7.png", 64, 64}, {"data/textures/artefacts/art1_8.png", 64, 64}, {"data/textures/artefacts/art1_9.png", 64, 64},
    {"data/textures/artefacts/art1_10.png", 64, 64}, {"data/textures/artefacts/art1_11.png", 64, 64}, {"data/textures/artefacts/art1_12.png", 64, 64},
    {"data/textures/artefacts/art1_13.png", 64, 64}, {"data/textures/artefacts/art1_14.png", 64, 64}, {"data/textures/artefacts/art1_15.png", 64, 64},
    {"data/textures/artefacts/art1_16.png", 64, 64},
    {"data/textures/artefacts/art2_full.png", 256, 256},
    {"data/textures/artefacts/art2_1.png", 64, 64}, {"data/textures/artefacts/art2_2.png", 64, 64}, {"data/textures/artefacts/art2_3.png", 64, 64},
    {"data/textures/artefacts/art2_4.png", 64, 64}, {"data/textures/artefacts/art2_5.png", 64, 64}, {"data/textures/artefacts/art2_6.png", 64, 64},
    {"data/textures/artefacts/art2_7.png", 64, 64}, {"data/textures/artefacts/art2_8.png", 64, 64}, {"data/textures/artefacts/art2_9.png", 64, 64},
    {"data/textures/artefacts/art2_10.png", 64, 64}, {"data/textures/artefacts/art2_11.png", 64, 64}, {"data/textures/artefacts/art2_12.png", 64, 64},
    {"data/textures/artefacts/art2_13.png", 64, 64}, {"data/textures/artefacts/art2_14.png", 64, 64}, {"data/textures/artefacts/art2_15.png", 64, 64},
    {"data/textures/artefacts/art2_16.png", 64, 64},
    {"data/textures/artefacts/art3_full.png", 256, 256},
    {"data/textures/artefacts/art3_1.png", 64, 64}, {"data/textures/artefacts/art3_2.png", 64, 64}, {"data/textures/artefacts/art3_3.png", 64, 64},
    {"data/textures/artefacts/art3_4.png", 64, 64}, {"data/textures/artefacts/art3_5.png", 64, 64}, {"data/textures/artefacts/art3_6.png", 64, 64},
    {"data/textures/artefacts/art3_7.png", 64, 64}, {"data/textures/artefacts/art3_8.png", 64, 64}, {"data/textures/artefacts/art3_9.png", 64, 64},
    {"data/textures/artefacts/art3_10.png", 64, 64}, {"data/textures/artefacts/art3_11.png", 64, 64}, {"data/textures/artefacts/art3_12.png", 64, 64},
    {"data/textures/artefacts/art3_13.png", 64, 64}, {"data/textures/artefacts/art3_14.png", 64, 64}, {"data/textures/artefacts/art3_15.png", 64, 64},
    {"data/textures/artefacts/art3_16.png", 64, 64},
    {"data/textures/artefacts/art4_full.png", 256, 256},
    {"data/textures/artefacts/art4_1.png", 64, 64}, {"data/textures/artefacts/art4_2.png", 64, 64}, {"data/textures/artefacts/art4_3.png", 64, 64},
    {"data/textures/artefacts/art4_4.png", 64, 64}, {"data/textures/artefacts/art4_5.png", 64, 64}, {"data/textures/artefacts/art4_6.png", 64, 64},
    {"data/textures/artefacts/art4_7.png", 64, 64}, {"data/textures/artefacts/art4_8.png", 64, 64}, {"data/textures/artefacts/art4_9.png", 64, 64},
    {"data/textures/artefacts/art4_10.png", 64, 64}, {"data/textures/artefacts/art4_11.png", 64, 64}, {"data/textures/artefacts/art4_12.png", 64, 64},
    {"data/textures/artefacts/art4_13.png", 64, 64}, {"data/textures/artefacts/art4_14.png", 64, 64}, {"data/textures/artefacts/art4_15.png", 64, 64},
    {"data/textures/artefacts/art4_16.png", 64, 64},
    {"data/textures/artefacts/art5_full.png", 256, 256},
    {"data/textures/artefacts/art5_1.png", 64, 64}, {"data/textures/artefacts/art5_2.png", 64, 64}, {"data/textures/artefacts/art5_3.png", 64, 64},
    {"data/textures/artefacts/art5_4.png", 64, 64}, {"data/textures/artefacts/art5_5.png", 64, 64}, {"data/textures/artefacts/art5_6.png", 64, 64},
    {"data/textures/artefacts/art5_7.png", 64, 64}, {"data/textures/artefacts/art5_8.png", 64, 64}, {"data/textures/artefacts/art5_9.png", 64, 64},
    {"data/textures/artefacts/art5_10.png", 64, 64}, {"data/textures/artefacts/art5_11.png", 64, 64}, {"data/textures/artefacts/art5_12.png", 64, 64},
    {"data/textures/artefacts/art5_13.png", 64, 64}, {"data/textures/artefacts/art5_14.png", 64, 64}, {"data/textures/artefacts/art5_15.png", 64, 64},
    {"data/textures/artefacts/art5_16.png", 64, 64},
    {"data/textures/artefacts/art6_full.png", 256, 256},
    {"data/textures/artefacts/art6_1.png", 64, 64}, {"data/textures/artefacts/art6_2.png", 64, 64}, {"data/textures/artefacts/art6_3.png", 64, 64},
    {"data/textures/artefacts/art6_4.png", 64, 64}, {"data/textures/artefacts/art6_5.png", 64, 64}, {"data/textures/artefacts/art6_6.png", 64, 64},
    {"data/textures/artefacts/art6_7.png", 64, 64}, {"data/textures/artefacts/art6_8.png", 64, 64}, {"data/textures/artefacts/art6_9.png", 64, 64},
    {"data/textures/artefacts/art6_10.png", 64, 64}, {"data/textures/artefacts/art6_11.png", 64, 64}, {"data/textures/artefacts/art6_12.png", 64, 64},
    {"data/textures/artefacts/art6_13.png", 64, 64}, {"data/textures/artefacts/art6_14.png", 64, 64}, {"data/textures/artefacts/art6_15.png", 64, 64},
    {"data/textures/artefacts/art6_16.png", 64, 64},
    {"data/textures/artefacts/art7_full.png", 256, 256},
    {"data/textures/artefacts/art7_1.png", 64, 64}, {"data/textures/artefacts/art7_2.png", 64, 64}, {"data/textures/artefacts/art7_3.png", 64, 64},
    {"data/textures/artefacts/art7_4.png", 64, 64}, {"data/textures/artefacts/art7_5.png", 64, 64}, {"data/textures/artefacts/art7_6.png", 64, 64},
    {"data/textures/artefacts/art7_7.png", 64, 64}, {"data/textures/artefacts/art7_8.png", 64, 64}, {"data/textures/artefacts/art7_9.png", 64, 64},
    {"data/textures/artefacts/art7_10.png", 64, 64}, {"data/textures/artefacts/art7_11.png", 64, 64}, {"data/textures/artefacts/art7_12.png", 64, 64},
    {"data/textures/artefacts/art7_13.png", 64, 64}, {"data/textures/artefacts/art7_14.png", 64, 64}, {"data/textures/artefacts/art7_15.png", 64, 64},
    {"data/textures/artefacts/art7_16.png", 64, 64},
};

PngPicture Load(const std::string& relative)
{
    PngPicture picture;
    const std::string path = GameDir() + "/" + relative;
    const bool ok = EndsWith(path, ".tga") ? ReadTga(path, picture) : ReadPng(path, picture);
    EXPECT_TRUE(ok) << path;
    return picture;
}

// A square picture that tiles: the step across the wrap is no larger than
// steps inside the picture.
void ExpectNoSeam(const PngPicture& picture)
{
    ASSERT_EQ(picture.width, picture.height);
    const int last = picture.width - 1;
    const int middle = picture.width / 2;
    auto step = [&](int x0, int y0, int x1, int y1) {
        int d = 0;
        for (int k = 0; k < 3; ++k)
            d += std::abs(picture.At(x0, y0)[k] - picture.At(x1, y1)[k]);
        return d;
    };
    long inside = 0, across = 0;
    for (int i = 0; i <= last; ++i) {
        inside += step(middle - 1, i, middle, i) + step(i, middle - 1, i, middle);
        across += step(last, i, 0, i) + step(i, last, i, 0);
    }
    EXPECT_LT(across, inside * 2 + picture.width);
}

} // namespace

TEST(GeneratedPictures, EveryPictureIsThereInItsFormatAndSize)
{
    std::set<std::string> made;
    for (const PictureRecipe& recipe : GamePictures())
        made.insert(recipe.paths.begin(), recipe.paths.end());
    for (const Wanted& wanted : kWanted) {
        SCOPED_TRACE(wanted.path);
        EXPECT_TRUE(made.count(wanted.path));
        const std::string path = GameDir() + "/" + wanted.path;
        int width = 0, height = 0;
        if (EndsWith(path, ".png")) {
            int depth = 0, colourType = 0;
            ASSERT_TRUE(ReadPngHeader(path, width, height, depth, colourType));
            EXPECT_EQ(depth, 8);
            EXPECT_EQ(colourType, PNG_COLOR_TYPE_RGBA);
        } else if (EndsWith(path, ".tga")) {
            PngPicture picture;
            ASSERT_TRUE(ReadTga(path, picture));
            width = picture.width;
            height = picture.height;
        } else {
            int components = 0;
            ASSERT_TRUE(ReadJpegSize(path, width, height, components));
            EXPECT_EQ(components, 3);
        }
        EXPECT_EQ(width, wanted.width);
        EXPECT_EQ(height, wanted.height);
    }
    // And nothing in the table goes unchecked.
    EXPECT_EQ(made.size(), std::size(kWanted));
}

TEST(GeneratedPictures, BackdropsAreOpaqueAndTheVeilIsBlack)
{
    for (const char* name : {"menu_back", "options_back", "profile_back", "map_back", "water", "black"}) {
        SCOPED_TRACE(name);
        const PngPicture p = Load(std::string("data/textures/") + name + ".png");
        for (size_t i = 3; i < p.rgba.size(); i += 4)
            ASSERT_EQ(p.rgba[i], 255);
    }
    const PngPicture black = Load("data/textures/black.png");
    for (size_t i = 0; i < black.rgba.size(); i += 4)
        EXPECT_EQ(black.rgba[i] + black.rgba[i + 1] + black.rgba[i + 2], 0);
}

TEST(GeneratedPictures, WaterTilesWithoutASeam)
{
    const PngPicture water = Load("data/textures/water.png");
    ASSERT_EQ(water.width, 256);
    ExpectNoSeam(water);
}

TEST(GeneratedPictures, RepeatedPicturesArePowersOfTwoAndTheSeaTiles)
{
    // The sail scene sets these to repeat: padded to a power of two, they
    // would repeat their padding.
    for (const char* path : {"data/textures/sail/parus.png", "data/textures/sail/verevki.png",
                             "data/textures/sail/machta.png", "data/textures/sail/cloud.png",
                             "data/textures/sail/sea.png", "data/textures/history_arc_mask.png"}) {
        SCOPED_TRACE(path);
        const PngPicture p = Load(path);
        EXPECT_EQ(p.width & (p.width - 1), 0);
        EXPECT_EQ(p.height & (p.height - 1), 0);
    }
    ExpectNoSeam(Load("data/textures/sail/sea.png"));
}

TEST(GeneratedPictures, TheArchIsOpenAndItsGlowFadesTowardsTheMiddle)
{
    const PngPicture arch = Load("data/textures/history_first_plane.png");
    EXPECT_EQ(arch.At(400, 300)[3], 0) << "the fish swim behind the opening";
    EXPECT_EQ(arch.At(40, 300)[3], 255);
    EXPECT_EQ(arch.At(400, 20)[3], 255);
    const PngPicture glow = Load("data/textures/history_arc_mask.png");
    // The bottom row is the screen's bottom: the right column's inner edge
    // (x 650 on the screen, 250 in the picture) glows, the middle does not.
    const int row = glow.height - 1 - 200;
    EXPECT_GT(glow.At(250, row)[3], 180);
    EXPECT_LT(glow.At(0, row)[3], 5);
    EXPECT_EQ(glow.At(250, row)[0], 255) << "white, for the lights to tint";
}

TEST(GeneratedPictures, SpritesHaveClearSurroundings)
{
    struct Case {
        const char* path;
        int clearX, clearY;   // a pixel that must be transparent
        int solidX, solidY;   // a pixel that must be opaque
    };
    const Case cases[] = {
        {"data/textures/cur_normal.tga", 31, 31, 3, 6},   {"data/textures/cur_active.tga", 31, 31, 3, 6},
        {"data/textures/cur_press.tga", 31, 31, 4, 7},    {"data/textures/chips.png", 0, 0, 31, 31},
        {"data/textures/board_frame.png", 256, 256, 4, 256}, {"data/textures/button_normal.png", 0, 0, 100, 24},
        {"data/textures/tip_frame.png", 50, 40, 18, 46},  {"data/textures/tip_arrow.png", 2, 2, 32, 40},
        {"data/textures/particle.png", 0, 0, 16, 16},     {"data/textures/spark.png", 0, 0, 16, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const PngPicture p = Load(c.path);
        EXPECT_EQ(p.At(c.clearX, c.clearY)[3], 0);
        EXPECT_EQ(p.At(c.solidX, c.solidY)[3], 255);
    }
    // The cursor's tip is its top-left corner.
    const PngPicture cursor = Load("data/textures/cur_normal.tga");
    EXPECT_GT(cursor.At(1, 1)[3], 128);
    // Particles are white so effects can tint them.
    const PngPicture particle = Load("data/textures/particle.png");
    EXPECT_EQ(particle.At(16, 16)[0] + particle.At(16, 16)[1] + particle.At(16, 16)[2], 3 * 255);
}

// The mean of max - min over the channels of every pixel: how colourful.
double MeanSaturation(const PngPicture& p)
{
    double sum = 0.0;
    for (size_t i = 0; i < p.rgba.size(); i += 4)
        sum += std::max({p.rgba[i], p.rgba[i + 1], p.rgba[i + 2]}) - std::min({p.rgba[i], p.rgba[i + 1], p.rgba[i + 2]});
    return sum / static_cast<double>(p.rgba.size() / 4);
}

TEST(GeneratedPictures, ALockedScenesBigPictureReadsAsLocked)
{
    // The gallery shows a scene's big picture only while the scene is
    // locked: its locked picture is the scene's land faded, with the
    // padlock in the middle.
    for (int country = 1; country <= 7; ++country) {
        SCOPED_TRACE(country);
        const PngPicture big = Load("data/textures/gallery/locked" + std::to_string(country) + ".png");
        const PngPicture land = Load("data/textures/gallery/big" + std::to_string(country) + ".png");
        EXPECT_LT(MeanSaturation(big), 0.7 * MeanSaturation(land));
        // The lock's body, left of its keyhole.
        const unsigned char* lock = big.At(big.width / 2 - 25, big.height / 2 + 10);
        EXPECT_GT(lock[0], 120) << "the padlock's gold";
        EXPECT_GT(lock[0], lock[2] + 40);
    }
    // The scenes play on their land, never on the locked pictures the list
    // names by id.
    TiXmlDocument scenes, resources;
    ASSERT_TRUE(scenes.LoadFile((GameDir() + "/data/mults.xml").c_str()));
    ASSERT_TRUE(resources.LoadFile((GameDir() + "/data/resources.xml").c_str()));
    std::set<std::string> locked;
    const TiXmlElement* textures = TiXmlHandle(&resources).FirstChild("Resources").FirstChild("Textures2D").ToElement();
    ASSERT_NE(textures, nullptr);
    for (const TiXmlElement* t = textures->FirstChildElement("texture2D"); t; t = t->NextSiblingElement("texture2D"))
        if (std::string(t->Attribute("id") ? t->Attribute("id") : "").rfind("BigMult", 0) == 0)
            locked.insert(t->Attribute("path") ? t->Attribute("path") : "");
    EXPECT_EQ(locked.size(), 7u);
    int lands = 0;
    for (const TiXmlElement* set = scenes.RootElement()->FirstChildElement("LayerSet"); set; set = set->NextSiblingElement("LayerSet"))
        for (const TiXmlElement* layer = set->FirstChildElement("Layer"); layer; layer = layer->NextSiblingElement("Layer"))
            for (const TiXmlElement* t = layer->FirstChildElement("Texture"); t; t = t->NextSiblingElement("Texture"))
                if (const char* path = t->Attribute("texture")) {
                    ++lands;
                    EXPECT_EQ(locked.count(path), 0u) << set->Attribute("name") << " plays on a locked picture";
                }
    EXPECT_GT(lands, 7);
}

TEST(GeneratedPictures, ChipsDifferFromEachOther)
{
    const PngPicture chips = Load("data/textures/chips.png");
    std::vector<std::array<long, 3>> means;
    for (int chip = 0; chip < 8; ++chip) {
        std::array<long, 3> sum{};
        long count = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = chip * 64; x < chip * 64 + 64; ++x)
                if (chips.At(x, y)[3] == 255) {
                    for (int k = 0; k < 3; ++k)
                        sum[static_cast<size_t>(k)] += chips.At(x, y)[k];
                    ++count;
                }
        ASSERT_GT(count, 600) << chip;
        for (long& s : sum)
            s /= count;
        means.push_back(sum);
    }
    for (size_t a = 0; a < means.size(); ++a)
        for (size_t b = a + 1; b < means.size(); ++b) {
            long d = 0;
            for (size_t k = 0; k < 3; ++k)
                d += std::abs(means[a][k] - means[b][k]);
            EXPECT_GT(d, 40) << a << " and " << b;
        }
}

TEST(GeneratedPictures, TheMapsSymbolsSitInTheirCells)
{
    const PngPicture sheet = Load("data/textures/map/waypoints.png");
    ASSERT_EQ(sheet.height, 256);
    // Rows from the top: a stage per row in the left column, both halves.
    for (int row = 0; row < 8; ++row)
        for (int half = 0; half < 2; ++half) {
            const int alpha = sheet.At(half * 32 + 16, row * 32 + 16)[3];
            if (row < 7)
                EXPECT_GT(alpha, 200) << row << "/" << half;
            else
                EXPECT_EQ(alpha, 0) << row << "/" << half;
        }
    // The right column: current and locked (both halves), the glow (left half).
    for (int row = 0; row < 2; ++row)
        for (int half = 0; half < 2; ++half)
            EXPECT_GT(sheet.At(64 + half * 32 + 16, row * 32 + 16)[3], 200) << row << "/" << half;
    EXPECT_EQ(sheet.At(80, 80)[0] + sheet.At(80, 80)[1] + sheet.At(80, 80)[2], 3 * 255) << "a white glow";
    EXPECT_EQ(sheet.At(112, 80)[3], 0);
    for (int row = 3; row < 8; ++row)
        EXPECT_EQ(sheet.At(96, row * 32 + 16)[3], 0) << row;

    // The corner tip's shard fills the outline the map tests its presses
    // with (32 pixels in from the picture's lower-left corner, y upward).
    for (int frame : {0, 10}) {
        const PngPicture shard = Load("data/textures/map/shard" + std::to_string(frame) + ".png");
        EXPECT_EQ(shard.At(32 + 30, 128 - 32 - 40)[3], 255);
        EXPECT_EQ(shard.At(2, 2)[3], 0);
    }
}

TEST(GeneratedPictures, TheLevelMapsWaypointsLieOnTheChartsLand)
{
    const PngPicture earth = Load("data/textures/map/earth.png");
    TiXmlDocument levelMap;
    ASSERT_TRUE(levelMap.LoadFile((GameDir() + "/data/LevelMap.xml").c_str()));
    int waypoints = 0;
    for (const TiXmlElement* stage = levelMap.RootElement()->FirstChildElement("Stage"); stage;
         stage = stage->NextSiblingElement("Stage"))
        for (const TiXmlElement* level = stage->FirstChildElement("Level"); level;
             level = level->NextSiblingElement("Level")) {
            int x = 0, y = 0;
            level->QueryIntAttribute("x", &x);
            level->QueryIntAttribute("y", &y);
            const int top = 600 - y;
            SCOPED_TRACE(level->Attribute("name"));
            ++waypoints;
            ASSERT_TRUE(x >= 0 && x < 800 && top >= 0 && top < 600);
            EXPECT_EQ(earth.At(x, top)[3], 255) << "on land";
            // Clear of the text's cartouche and the map's buttons.
            EXPECT_FALSE(x > 160 && x < 540 && top > 438 && top < 598);
            EXPECT_FALSE(x > 584 && x < 796 && top > 476 && top < 590);
        }
    EXPECT_EQ(waypoints, 105);
    // The sea is clear but for its shallows.
    EXPECT_LT(earth.At(300, 300)[3], 40);
}

TEST(GeneratedMenuPictures, TheSeaIsOpaqueAndTheSpritesStandClear)
{
    const PngPicture sea = Load("data/textures/menu/sea.png");
    for (size_t i = 3; i < sea.rgba.size(); i += 4)
        ASSERT_EQ(sea.rgba[i], 255);
    struct Case {
        const char* path;
        int clearX, clearY;
        int solidX, solidY;
    };
    const Case cases[] = {
        {"data/textures/menu/colonnade.png", 650, 100, 45, 250}, // sky over the buttons; a column
        {"data/textures/menu/school_fish.png", 0, 0, 40, 8},
        {"data/textures/menu/weed.png", 0, 0, 32, 255},          // rooted at the bottom edge
        {"data/textures/menu/gem1.png", 0, 0, 30, 31},
        {"data/textures/menu/welcome.png", 0, 0, 75, 20},
        {"data/textures/menu/hiscore_panel.png", 0, 0, 210, 220},
        {"fsdata/logo_na.png", 127, 0, 27, 32},
        {"data/textures/fish/fish0_00.png", 2, 2, 80, 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const PngPicture p = Load(c.path);
        EXPECT_EQ(p.At(c.clearX, c.clearY)[3], 0);
        EXPECT_GT(p.At(c.solidX, c.solidY)[3], 200);
    }
}

TEST(GeneratedMenuPictures, GemsDifferAndFishSwingTheirTails)
{
    std::vector<std::array<int, 3>> centres;
    for (int i = 1; i <= 7; ++i) {
        const PngPicture gem = Load("data/textures/menu/gem" + std::to_string(i) + ".png");
        centres.push_back({gem.At(30, 34)[0], gem.At(30, 34)[1], gem.At(30, 34)[2]});
    }
    for (size_t a = 0; a < centres.size(); ++a)
        for (size_t b = a + 1; b < centres.size(); ++b) {
            int d = 0;
            for (int k = 0; k < 3; ++k)
                d += std::abs(centres[a][k] - centres[b][k]);
            EXPECT_GT(d, 40) << a << " " << b;
        }
    // The tail (left end) moves between frames; the head stays.
    const PngPicture first = Load("data/textures/fish/fish2_00.png");
    const PngPicture swung = Load("data/textures/fish/fish2_02.png");
    int tail = 0, head = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 30; ++x)
            tail += first.At(x, y)[3] != swung.At(x, y)[3] ? 1 : 0;
        for (int x = 110; x < 128; ++x)
            head += first.At(x, y)[3] != swung.At(x, y)[3] ? 1 : 0;
    }
    EXPECT_GT(tail, 20);
    EXPECT_LT(head, tail / 4);
}

TEST(GeneratedMenuPictures, RaysAreBrightInTheMiddleAndTileAlongTheirLength)
{
    for (const char* name : {"ray", "ray1", "ray2"}) {
        SCOPED_TRACE(name);
        const PngPicture ray = Load(std::string("data/textures/Shield/") + name + ".png");
        long middle = 0, edge = 0, seam = 0, inside = 0;
        for (int x = 0; x < 256; ++x) {
            middle += ray.At(x, 32)[0];
            edge += ray.At(x, 0)[0] + ray.At(x, 63)[0];
        }
        for (int y = 0; y < 64; ++y) {
            seam += std::abs(ray.At(255, y)[0] - ray.At(0, y)[0]);
            inside += std::abs(ray.At(127, y)[0] - ray.At(128, y)[0]);
        }
        EXPECT_GT(middle, edge);
        EXPECT_LT(seam, inside * 3 + 64 * 8);
    }
}
