// The books of pages: a click completes a page, a second one turns it; a
// book not shown and pages that do not exist; the closing pages, which move
// only with the story's controller; the books' shared state when their
// widgets go; and the drifting lights with a seeded generator.

#include "engine/util/Random.h"
#include "game/screens/BookState.h"
#include "game/screens/CompleteScreen.h"
#include "game/screens/History.h"
#include "game/screens/HistoryController.h"
#include "gui/effects/ColorDrift.h"
#include "gui/Message.h"
#include "gui/controllers/ControllerManager.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include <memory>
#include <string>

using namespace testing_support;

namespace {

// A page of two strings: the second arrives a second after the first, each
// taking half a second.
std::string Page(const std::string& word)
{
    return "<Text>"
           "<String name=\"A\" x=\"0\" y=\"0\" font=\"Title\" value=\"" + word + "\" startTime=\"0.5\"/>"
           "<String name=\"B\" x=\"0\" y=\"-30\" font=\"Title\" value=\"" + word + "\" showTime=\"1\" startTime=\"0.5\"/>"
           "</Text>";
}

std::string Book(int pages)
{
    std::string text = "<TextEffects>";
    for (int i = 0; i < pages; ++i)
        text += Page("page" + std::to_string(i));
    return text + "</TextEffects>";
}

class BookPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteTextFile(_folder.File("HistoryTextEffects.xml"), Book(3));
        WriteTextFile(_folder.File("EndTextEffects.xml"), Book(3));
        g_messageQueue.clear();
        Books().booksShown = false;
    }

    void TearDown() override
    {
        _complete.reset();
        _history.reset();
        Sweep();
        g_messageQueue.clear();
    }

    static void Sweep()
    {
        kernel.FlushPending();
        kernel.Update(0.0f);
    }

    void MakeHistory()
    {
        _history = std::make_unique<History>("Book", nullptr);
        kernel.FlushPending();
    }

    void MakeCompleteScreen() { _complete = std::make_unique<CompleteScreen>("Book", nullptr); }

    static void Run(float seconds)
    {
        for (float t = 0.0f; t < seconds; t += 0.25f)
            kernel.Update(0.25f);
    }

    static int NextMessages()
    {
        int count = 0;
        for (const Message& message : g_messageQueue)
            if (message.is("Next", "press"))
                ++count;
        return count;
    }

    TempDir _folder;
    ScopedCurrentDir _inFolder{_folder.Path()};
    std::unique_ptr<History> _history;
    std::unique_ptr<CompleteScreen> _complete;
};

} // namespace

TEST_F(BookPagesTest, AClickCompletesAPageAndTheNextTurnsIt)
{
    MakeHistory();
    _history->AcceptMessage(Message("Show", 1));
    _history->AcceptMessage(Message("SetPage", 0));
    Run(0.5f);
    ASSERT_FALSE(_history->PageFinished()) << "the second string has not arrived";

    _history->MouseUp(Point(400, 300));
    EXPECT_TRUE(_history->PageFinished());
    EXPECT_EQ(NextMessages(), 0);

    _history->MouseUp(Point(10, 10));
    EXPECT_EQ(NextMessages(), 1);
    EXPECT_EQ(g_messageQueue.back().getIntegerParam(), 0);

    // A page that arrives by itself needs one click.
    g_messageQueue.clear();
    _history->AcceptMessage(Message("SetPage", 1));
    EXPECT_EQ(_history->_currentPage, 1);
    EXPECT_FALSE(_history->PageFinished()) << "a chosen page plays from its start";
    Run(2.0f);
    EXPECT_TRUE(_history->PageFinished());
    _history->MouseUp(Point(400, 300));
    EXPECT_EQ(NextMessages(), 1);
}

TEST_F(BookPagesTest, ABookNotShownIgnoresClicksAndStandsStill)
{
    MakeHistory();
    _history->AcceptMessage(Message("SetPage", 0));
    Run(3.0f);
    EXPECT_FALSE(_history->PageFinished()) << "the pages move only while a book is shown";
    _history->MouseUp(Point(400, 300));
    _history->MouseUp(Point(400, 300));
    EXPECT_FALSE(_history->PageFinished());
    EXPECT_TRUE(g_messageQueue.empty());

    // "Show" 0 hides it again.
    _history->AcceptMessage(Message("Show", 1));
    _history->AcceptMessage(Message("Show", 0));
    _history->MouseUp(Point(400, 300));
    EXPECT_FALSE(_history->PageFinished());
}

TEST_F(BookPagesTest, APageOutsideTheBookIsIgnoredWithALogLine)
{
    MakeHistory();
    _history->AcceptMessage(Message("Show", 1));
    _history->AcceptMessage(Message("SetPage", 2));
    Run(0.5f);
    ScopedLogFile log;
    for (int page : {5, 3, -1}) {
        _history->AcceptMessage(Message("SetPage", page));
        EXPECT_EQ(_history->_currentPage, 2) << page;
    }
    EXPECT_NE(log.Text().find("no page 5"), std::string::npos);
    EXPECT_NE(log.Text().find("no page -1"), std::string::npos);
    // The page on screen goes on where it was.
    Run(1.5f);
    EXPECT_TRUE(_history->PageFinished());
}

TEST_F(BookPagesTest, PagesTheFileDoesNotFillAreEmptyAndCountAsFinished)
{
    WriteTextFile(_folder.File("HistoryTextEffects.xml"), Book(1));
    ScopedLogFile log;
    MakeHistory();
    EXPECT_NE(log.Text().find("HistoryTextEffects.xml holds 1 &quot;Text&quot; elements of 3"), std::string::npos);
    EXPECT_EQ(_history->_pages[0].Size(), 2u);
    EXPECT_EQ(_history->_pages[1].Size(), 0u);
    _history->AcceptMessage(Message("Show", 1));
    _history->AcceptMessage(Message("SetPage", 1));
    EXPECT_TRUE(_history->PageFinished());
    _history->MouseUp(Point(400, 300));
    EXPECT_EQ(NextMessages(), 1) << "the player is not stuck on an empty page";

    // No file at all: three empty pages, and a line that says so.
    std::remove(_folder.File("EndTextEffects.xml").c_str());
    MakeCompleteScreen();
    EXPECT_NE(log.Text().find("EndTextEffects.xml could not be read"), std::string::npos);
    EXPECT_TRUE(_complete->PageFinished());
}

TEST_F(BookPagesTest, ClosingPagesMoveOnlyWithTheStorysController)
{
    MakeCompleteScreen();
    _complete->AcceptMessage(Message("Show", 1));
    _complete->AcceptMessage(Message("SetPage", 0));
    EXPECT_FALSE(Books().historyIsShown);
    Run(3.0f);
    EXPECT_FALSE(_complete->PageFinished()) << "without a story widget nothing animates the pages";

    MakeHistory();
    _complete->AcceptMessage(Message("Show", 1));
    Run(2.0f);
    EXPECT_TRUE(_complete->PageFinished());
    EXPECT_FALSE(_history->PageFinished()) << "only the book on screen moves";

    // The closing pages show; the story's own page waits.
    _history->AcceptMessage(Message("Show", 1));
    EXPECT_TRUE(Books().historyIsShown);
}

TEST_F(BookPagesTest, TheSharedReferencesGoWithTheirWidgets)
{
    MakeHistory();
    MakeCompleteScreen();
    BookState& books = Books();
    ASSERT_EQ(books.completeScreen, _complete.get());
    ASSERT_NE(books.historyController, nullptr);
    EXPECT_EQ(books.historyController->_history, _history.get());
    EXPECT_EQ(books.fish.size(), 15u);
    EXPECT_EQ(_history->effects.effects.size(), 2u) << "two rainbows";

    // A second closing-pages widget is the current one; the first going
    // leaves it so.
    auto second = std::make_unique<CompleteScreen>("Other", nullptr);
    EXPECT_EQ(books.completeScreen, second.get());
    _complete.reset();
    EXPECT_EQ(books.completeScreen, second.get());
    second.reset();
    EXPECT_EQ(books.completeScreen, nullptr);

    // The story going stops its controller, which the books then forget.
    books.booksShown = true;
    _history.reset();
    kernel.Update(0.25f);
    EXPECT_EQ(books.historyController, nullptr);
    for (const IController* controller : kernel.Active())
        EXPECT_EQ(dynamic_cast<const HistoryController*>(controller), nullptr);
    books.booksShown = false;
}

TEST(ColorDrift, StartsAndDriftsWithTheGamesGenerator)
{
    SeedRandom(7);
    float draws[12];
    for (float& draw : draws)
        draw = static_cast<float>(RandomInt());
    SeedRandom(7);
    ColorDrift light;
    light.Start();
    EXPECT_EQ(light._fromLevel, 100.0f + draws[0] * 0.004730338f);
    EXPECT_EQ(light._toLevel, 100.0f + draws[1] * 0.004730338f);
    EXPECT_EQ(light._period, 0.2f + draws[2] * 2.438429e-5f);
    EXPECT_EQ(light._phaseTime, 0.0f);
    // Then the two colours, four channels each.
    for (const Color& colour : {light._fromColor, light._toColor})
        EXPECT_GE(colour.r, 100);

    // Halfway through the period.
    const float to = light._toLevel;
    const float from = light._fromLevel;
    light.Advance(light._period * 0.5f);
    EXPECT_FLOAT_EQ(light._level, from + (to - from) * 0.5f);

    // At the period's end the target becomes the start, and a new target,
    // period and colour are drawn in that order.
    SeedRandom(11);
    const float target = static_cast<float>(RandomInt());
    const float period = static_cast<float>(RandomInt());
    SeedRandom(11);
    light._phaseTime = light._period;
    light.Advance(0.0f);
    EXPECT_EQ(light._fromLevel, to);
    EXPECT_EQ(light._toLevel, 10.0f + target * 0.007477004f);
    EXPECT_EQ(light._period, 0.5f + period * 3.9643543e-5f);
    EXPECT_GE(light._period, 0.5f);
    EXPECT_LT(light._period, 1.8f);
    EXPECT_EQ(light._level, light._fromLevel);
}

TEST(ColorDrift, ALongFrameHoldsTheLightAtItsTarget)
{
    SeedRandom(3);
    ColorDrift light;
    light.Start();
    for (float step : {5.0f, 0.016f, 30.0f}) {
        light.Advance(step);
        const float low = std::min(light._fromLevel, light._toLevel);
        const float high = std::max(light._fromLevel, light._toLevel);
        EXPECT_GE(light._level, low) << step;
        EXPECT_LE(light._level, high) << step;
        EXPECT_LE(static_cast<int>(light._level), 255) << "its alpha fits a byte";
        for (int c = 0; c < 3; ++c) {
            const int channel = c == 0 ? light._color.r : c == 1 ? light._color.g : light._color.b;
            const int a = c == 0 ? light._fromColor.r : c == 1 ? light._fromColor.g : light._fromColor.b;
            const int b = c == 0 ? light._toColor.r : c == 1 ? light._toColor.g : light._toColor.b;
            EXPECT_GE(channel, std::min(a, b)) << step;
            EXPECT_LE(channel, std::max(a, b)) << step;
        }
    }
}
