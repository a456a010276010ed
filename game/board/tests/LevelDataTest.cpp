// The bundled levels as the game reads them: every level of the level map
// loads with the board's own loader, keeps the board's limits, teaches one
// new thing at a time, keeps its country's artefact count, has its map text
// and fills without a line and with a move for several seeds.

#include "BoardFixture.h"

#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/screens/LevelTextsFile.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/ArtefactFile.h"
#include "tests/support/TestEnvironment.h"

#include <tinyxml.h>

#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

// What a level may bring that the player has not met yet.
std::set<std::string> ThingsOn(const GameField& board)
{
    std::set<std::string> things;
    for (int x = 0; x < board._width; ++x)
        for (int y = 0; y < board._height; ++y) {
            const int code = board._levelGrid.At(x, y);
            if (code == 0)
                things.insert("hole");
            else if (code >= kKindBonus && code < kKindArtefact)
                things.insert("bonus " + std::to_string(code & 0xF));
            else if (code != 1 && code < kKindArtefact)
                things.insert("group " + std::to_string(code >> 4));
            else if (code >= kKindIce)
                things.insert("group " + std::to_string(code >> 4));
        }
    if (board._qMusor > 0)
        things.insert("musor");
    return things;
}

// A rectangle of the map in screen points, y upward.
struct MapBox {
    std::string what;
    int left, bottom, right, top;
};

bool Overlap(const MapBox& a, const MapBox& b, int gap)
{
    return a.left < b.right + gap && b.left < a.right + gap && a.bottom < b.top + gap && b.bottom < a.top + gap;
}

// The buttons of the world map's layer file, each a plate of 200 x 48 whose
// position is its left and lower edge counted from the top.
std::vector<MapBox> MapButtons()
{
    TiXmlDocument document;
    document.Parse(testing_support::ReadTextFile(testing_support::SourceDir() + "/data/gui/Map.xml").c_str());
    std::vector<MapBox> buttons;
    const TiXmlElement* controls = TiXmlHandle(&document).FirstChild("Layers").FirstChild("Layer").FirstChild("Controls").ToElement();
    for (const TiXmlElement* button = controls ? controls->FirstChildElement("Button") : nullptr; button;
         button = button->NextSiblingElement("Button")) {
        int x = 0, y = 0;
        button->FirstChildElement("position")->QueryIntAttribute("x", &x);
        button->FirstChildElement("position")->QueryIntAttribute("y", &y);
        buttons.push_back({std::string("button ") + button->Attribute("name"), x, 600 - y, x + 200, 600 - y + 48});
    }
    return buttons;
}

bool LeavesAtTheBottom(int code)
{
    return code >= kKindBonus && code < kKindIce;
}

class LevelDataTest : public BoardTest {
protected:
    LevelDataTest()
    {
        for (const char* file : {"Level.xml", "LevelMap.xml", "levelTexts.xml", "Artefact.xml"})
            WriteGameFile(file, testing_support::ReadTextFile(testing_support::SourceDir() + "/data/" + file));
        _info.LoadLevelMap();
    }

    int StageCount() const { return _info.GetMapStageCount(); }
    LevelMapStage& Stage(int stage) { return _info.GetMapStage(stage); }

    // The board with level `level` of stage `stage` (both from 0) loaded as
    // the player's current level.
    GameField& Load(int stage, int level)
    {
        ActivePlayer().stage = stage + 1;
        ActivePlayer().level = level + 1;
        if (!_board)
            _board = &MakeBoard();
        _board->LoadLevel(Stage(stage).levels[static_cast<std::size_t>(level)].name);
        return *_board;
    }

    static int PieceCount(const GameField& board)
    {
        int pieces = 0;
        for (int x = 0; x < board._width; ++x)
            for (int y = 0; y < board._height; ++y)
                if (board._levelGrid.At(x, y) >= kKindArtefact && board._levelGrid.At(x, y) < kKindIce)
                    ++pieces;
        return pieces;
    }

    GameInfo _info;
    GameField* _board = nullptr;
};

TEST_F(LevelDataTest, SevenCountriesOfFifteenLevelsEachFoundByItsMapName)
{
    ASSERT_EQ(StageCount(), 7);
    std::set<std::string> names;
    for (int s = 0; s < StageCount(); ++s) {
        ASSERT_EQ(Stage(s).levels.size(), 15u) << Stage(s).name;
        for (int l = 0; l < 15; ++l) {
            GameField& board = Load(s, l);
            const std::string& name = Stage(s).levels[static_cast<std::size_t>(l)].name;
            EXPECT_TRUE(board.HasLevel()) << name;
            EXPECT_TRUE(names.insert(name).second) << name << " twice in the map";
        }
    }
    // The board's own pictures are not in the test's folder: only level
    // errors count here.
    EXPECT_EQ(Count(LogText(), "Level is not found"), 0) << LogText();
    EXPECT_EQ(Count(LogText(), "level.xml"), 0) << LogText();
}

TEST_F(LevelDataTest, EveryLevelKeepsTheBoardsLimits)
{
    for (int s = 0; s < StageCount(); ++s)
        for (int l = 0; l < 15; ++l) {
            GameField& board = Load(s, l);
            const std::string where = Stage(s).levels[static_cast<std::size_t>(l)].name;
            // The board is centred right of the sun: over 13 columns or rows it
            // leaves the screen.
            EXPECT_GE(board._width, 2) << where;
            EXPECT_LE(board._width, 13) << where;
            EXPECT_GE(board._height, 2) << where;
            EXPECT_LE(board._height, 12) << where;
            EXPECT_GE(board._chipCount, 4) << where;
            EXPECT_LE(board._chipCount, 7) << where;
            EXPECT_GE(PieceCount(board), 1) << where << ": a board without pieces completes at once";
            EXPECT_GT(board._levelTime, 0.0f) << where;
            for (int x = 0; x < board._width; ++x)
                for (int y = 0; y < board._height; ++y) {
                    if (!LeavesAtTheBottom(board._levelGrid.At(x, y)))
                        continue;
                    // The cells under it clear by lines across its column too:
                    // nothing that stays or never matches there or beside it.
                    bool cellBelow = false;
                    for (int column = x - 1; column <= x + 1; ++column)
                        for (int row = 0; row < board._height; ++row) {
                            const int code = board._levelGrid.At(column, row);
                            const bool blocks = (code & 0xF0) == kKindFixedLocked ||
                                                (code & 0xF0) == kKindFixedDoubleLocked ||
                                                (code == kKindStone && row < y);
                            EXPECT_FALSE(blocks) << where << ": the square at " << x << "," << y
                                                 << " cannot reach the bottom past " << column << "," << row;
                        }
                    for (int below = 0; below < y; ++below)
                        cellBelow = cellBelow || board._levelGrid.IsCell(x, below);
                    // One already in its column's bottom cell would leave before play begins.
                    EXPECT_TRUE(cellBelow) << where << ": the square at " << x << "," << y << " starts at the bottom";
                }
        }
}

TEST_F(LevelDataTest, EachCountryCollectsExactlyItsArtefactsPieces)
{
    ArtefactCatalogue catalogue;
    ASSERT_TRUE(ReadArtefactFile("Artefact.xml", catalogue));
    ASSERT_EQ(catalogue.Count(), StageCount());
    for (int s = 0; s < StageCount(); ++s) {
        const int total = static_cast<int>(catalogue.Find(s)->elements.size());
        EXPECT_LE(total, kKindIce - kKindArtefact) << Stage(s).name;
        int next = 0;
        for (int l = 0; l < 15; ++l) {
            GameField& board = Load(s, l);
            EXPECT_EQ(static_cast<int>(board._artefactQueue.size()), next) << Stage(s).levels[static_cast<std::size_t>(l)].name;
            next = static_cast<int>(board._artefactQueue.size()) + PieceCount(board);
        }
        EXPECT_EQ(next, total) << Stage(s).name;
    }
}

TEST_F(LevelDataTest, PlainBoardsFirstThenOneNewThingALevel)
{
    std::set<std::string> met;
    for (int s = 0; s < StageCount(); ++s)
        for (int l = 0; l < 15; ++l) {
            GameField& board = Load(s, l);
            const std::set<std::string> things = ThingsOn(board);
            std::vector<std::string> fresh;
            for (const std::string& thing : things)
                if (met.insert(thing).second)
                    fresh.push_back(thing);
            const std::string where = Stage(s).levels[static_cast<std::size_t>(l)].name;
            if (s == 0 && l == 0) {
                EXPECT_TRUE(things.empty()) << where;
            }
            EXPECT_LE(fresh.size(), 1u) << where << " brings " << fresh.size() << " new things";
        }
    // Everything the tips teach turns up somewhere.
    for (const char* thing : {"hole", "group 1", "group 2", "group 3", "group 10", "group 11", "group 12", "bonus 0",
                              "bonus 1", "bonus 2", "bonus 3", "bonus 8", "bonus 9", "bonus 12", "musor"})
        EXPECT_EQ(met.count(thing), 1u) << thing;
}

TEST_F(LevelDataTest, TimeAndColoursTightenCountryByCountry)
{
    float previousMeanTime = 1e9f;
    int previousFewestColours = 0;
    for (int s = 0; s < StageCount(); ++s) {
        float time = 0.0f;
        int fewest = 100;
        for (int l = 0; l < 15; ++l) {
            GameField& board = Load(s, l);
            time += board._levelTime / static_cast<float>(PieceCount(board));
            fewest = std::min(fewest, board._chipCount);
        }
        EXPECT_LT(time / 15.0f, previousMeanTime) << Stage(s).name;
        EXPECT_GE(fewest, previousFewestColours) << Stage(s).name;
        previousMeanTime = time / 15.0f;
        previousFewestColours = fewest;
    }
}

TEST_F(LevelDataTest, EveryLevelFillsWithoutALineAndWithAMove)
{
    for (int s = 0; s < StageCount(); ++s)
        for (int l = 0; l < 15; ++l) {
            GameField& board = Load(s, l);
            const std::string where = Stage(s).levels[static_cast<std::size_t>(l)].name;
            for (std::uint32_t seed : {1u, 7u, 2024u, 31337u}) {
                FixClockSeed(seed);
                board.FillBoard();
                board.UpdateKindMap();
                for (int x = 0; x < board._width; ++x)
                    for (int y = 0; y < board._height; ++y)
                        ASSERT_FALSE(board.IsMatchAt(x, y)) << where << " seed " << seed << " at " << x << "," << y;
                ASSERT_FALSE(board.FindMoves().empty()) << where << " seed " << seed;
                EXPECT_EQ(PieceCount(board), static_cast<int>(std::count_if(
                                                  board._squares.begin(), board._squares.end(), [](const auto& square) {
                                                      return square->kind >= kKindArtefact && square->kind < kKindIce;
                                                  })))
                    << where;
            }
        }
}

TEST_F(LevelDataTest, EveryLevelHasItsMapTextAndWaypointsStandApart)
{
    LevelTexts texts;
    std::vector<LevelMapStage> stages;
    for (int s = 0; s < StageCount(); ++s)
        stages.push_back(Stage(s));
    ASSERT_TRUE(LoadLevelTextsFile("levelTexts.xml", stages, texts));
    std::vector<std::pair<std::string, LevelMapLevel>> points;
    for (int s = 0; s < StageCount(); ++s)
        for (int l = 0; l < 15; ++l) {
            EXPECT_NE(texts.Find(s, l), nullptr) << LevelTextId(Stage(s).name, s + 1, l + 1);
            points.emplace_back(Stage(s).name, Stage(s).levels[static_cast<std::size_t>(l)]);
        }
    // A click picks a waypoint within 10 points: two must be 20 apart.
    for (std::size_t i = 0; i < points.size(); ++i) {
        const LevelMapLevel& a = points[i].second;
        EXPECT_TRUE(a.x >= 10 && a.x <= 790 && a.y >= 10 && a.y <= 590) << a.name;
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            const LevelMapLevel& b = points[j].second;
            EXPECT_GE(std::hypot(a.x - b.x, a.y - b.y), 20.0) << a.name << " and " << b.name;
        }
    }
}

// A country's banner on the world map stands clear of the buttons, the
// level text's cartouche, the waypoints, the other banners and the flag,
// wherever on the map the flag stands.
TEST_F(LevelDataTest, TheCountryBannersStandClearOfButtonsCartoucheWaypointsAndTheFlag)
{
    LevelTexts texts;
    std::vector<LevelMapStage> stages;
    for (int s = 0; s < StageCount(); ++s)
        stages.push_back(Stage(s));
    ASSERT_TRUE(LoadLevelTextsFile("levelTexts.xml", stages, texts));
    std::vector<MapBox> clear = MapButtons();
    ASSERT_EQ(clear.size(), 2u);
    // The cartouche's rim lies about 12 points round the text.
    const Rect& port = texts.viewPort;
    clear.push_back({"cartouche", port.x - 12, 600 - port.y - port.h - 12, port.x + port.w + 12, 600 - port.y + 12});
    for (const LevelMapStage& stage : stages)
        for (const LevelMapLevel& level : stage.levels) {
            const int x = level.x, y = level.y;
            clear.push_back({"waypoint " + level.name, x - 11, y - 11, x + 11, y + 11});
            // The flag stands 12 points left of and below the waypoint: a
            // pole of 64 with its 4 points of wood at the right of its 14,
            // the cloth from there 50 wide on the upper half, waving by 5.
            clear.push_back({"flag pole on " + level.name, x - 2, y - 12, x + 2, y + 52});
            clear.push_back({"flag cloth on " + level.name, x + 2, y + 15, x + 56, y + 57});
        }
    std::vector<MapBox> banners;
    for (const LevelMapStage& stage : stages) {
        // The banner's ribbon is 124 x 22 in the middle of its 128 x 32 row.
        const int cx = stage.x_t + stage.levels.front().x;
        const int cy = stage.y_t + stage.levels.front().y + 16;
        const MapBox banner{"banner " + stage.name, cx - 62, cy - 11, cx + 62, cy + 11};
        EXPECT_TRUE(banner.left >= 0 && banner.right <= 800 && banner.bottom >= 0 && banner.top <= 600) << banner.what;
        for (const MapBox& other : clear)
            EXPECT_FALSE(Overlap(banner, other, 2)) << banner.what << " meets " << other.what;
        for (const MapBox& other : banners)
            EXPECT_FALSE(Overlap(banner, other, 8)) << banner.what << " meets " << other.what;
        banners.push_back(banner);
    }
}

TEST_F(LevelDataTest, ThePlayersTextsCallTheChipsTilesEverywhere)
{
    // The tips, the help screen and the screens' texts: one word for the
    // things the player swaps.
    const std::regex gem("\\bgems?\\b", std::regex::icase);
    for (const char* file : {"Messages.xml", "help.xml", "gui/Text.xml"}) {
        const std::string text = testing_support::ReadTextFile(testing_support::SourceDir() + "/data/" + file);
        ASSERT_FALSE(text.empty()) << file;
        std::smatch found;
        EXPECT_FALSE(std::regex_search(text, found, gem)) << file << ": \"" << found.str() << "\"";
    }
}

} // namespace
