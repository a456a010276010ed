#include "WidgetTestSupport.h"

#include "gui/InputMap.h"
#include "engine/platform/Settings.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/EditBox.h"
#include "gui/widgets/EditBoxCaret.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

namespace {

class EditBoxTest : public ::testing::Test {
protected:
    EditBoxTest()
    {
        for (int c = 32; c < 127; ++c)
            painter.glyphs[static_cast<unsigned char>(c)] = true;
    }
    ~EditBoxTest() override
    {
        g_settings.editAcceptsHighCharacters = false;
        g_inputWidgets.Clear();
    }

    std::unique_ptr<EditBox> Make(const std::string& attributes = "")
    {
        XmlElement element("<EditBox name=\"Name\" " + attributes +
                           "><position x=\"300\" y=\"400\"/><font name=\"Big\"/></EditBox>");
        return std::unique_ptr<EditBox>(static_cast<EditBox*>(CreateEditBox(element)));
    }

    static void Type(EditBox& box, const std::vector<int>& codes)
    {
        for (int code : codes)
            box.AcceptMessage(Message("KeyPress", std::to_string(code)));
    }

    FakeWidgetServices services;
    RecordingTextPainter painter;
};

TEST_F(EditBoxTest, ReadsItsElement)
{
    auto box = Make("limit=\"12\"");
    EXPECT_EQ(12, box->limit);
    EXPECT_EQ("Big", box->font);
    EXPECT_EQ(Point(300, 200), box->position);
    EXPECT_TRUE(box->fixed);
    EXPECT_EQ("", box->editText);
}

TEST_F(EditBoxTest, TheLimitStopsTypingAndBackspaceDeletes)
{
    auto box = Make("limit=\"3\"");
    Type(*box, {'a', 'b', 'c', 'd'});
    EXPECT_EQ("abc", box->editText);
    Type(*box, {' '});
    EXPECT_EQ("abc", box->editText);
    Type(*box, {8});
    EXPECT_EQ("ab", box->editText);
    Type(*box, {8, 8, 8});
    EXPECT_EQ("", box->editText);
}

TEST_F(EditBoxTest, TheLimitNeverExceedsOneLineOfGlyphs)
{
    auto box = Make("limit=\"500\"");
    EXPECT_EQ(EditBox::kMaxLimit, box->limit);
    for (int i = 0; i < 150; ++i)
        Type(*box, {'x'});
    EXPECT_EQ(static_cast<std::size_t>(EditBox::kMaxLimit), box->editText.size());
}

TEST_F(EditBoxTest, NoLeadingSpace)
{
    auto box = Make();
    Type(*box, {' '});
    EXPECT_EQ("", box->editText);
    Type(*box, {'a', ' '});
    EXPECT_EQ("a ", box->editText);
}

TEST_F(EditBoxTest, OnlyLettersDigitsAndSpacesAreTaken)
{
    auto box = Make();
    Type(*box, {'.', 189, '!', '-', 9, 200, 'Z', '0', 'z'});
    EXPECT_EQ("Z0z", box->editText);
    box->AcceptMessage(Message("KeyPress", "junk"));
    EXPECT_EQ("Z0z", box->editText);
}

TEST_F(EditBoxTest, HighCharactersNeedTheSwitchAndAGlyph)
{
    auto box = Make();
    Type(*box, {200});
    EXPECT_EQ("", box->editText);
    g_settings.editAcceptsHighCharacters = true;
    Type(*box, {200});
    EXPECT_EQ("", box->editText); // the font has no glyph for it
    painter.glyphs[200] = true;
    Type(*box, {200});
    EXPECT_EQ(std::string(1, static_cast<char>(200)), box->editText);
}

TEST_F(EditBoxTest, ALetterWithoutAGlyphIsRefused)
{
    auto box = Make();
    painter.glyphs.erase('q');
    Type(*box, {'q', 'r'});
    EXPECT_EQ("r", box->editText);
}

TEST_F(EditBoxTest, EnterPostsOkPressEvenWhenEmptyAndAtTheLimit)
{
    auto box = Make("limit=\"1\"");
    Type(*box, {13});
    Type(*box, {'a', 13});
    EXPECT_EQ((std::vector<std::string>{"Ok/press/0", "Ok/press/0"}), TakePosted());
    EXPECT_EQ("a", box->editText);
}

TEST_F(EditBoxTest, ClearAndTheTextQuery)
{
    auto box = Make();
    Type(*box, {'A', 'n', 'n'});
    const Message answer = box->QueryState(Message("Text"));
    EXPECT_EQ("Name", answer.publisher);
    EXPECT_EQ("Ann", answer.data);
    EXPECT_EQ("", box->QueryState(Message("GetState")).publisher);
    box->AcceptMessage(Message("Clear"));
    EXPECT_EQ("", box->editText);
}

TEST_F(EditBoxTest, EveryBoxOfTheLayerGetsEveryCharacter)
{
    auto first = Make();
    XmlElement element("<EditBox name=\"Second\"/>");
    std::unique_ptr<Widget> second(CreateEditBox(element));
    g_inputWidgets.Add(first.get());
    g_inputWidgets.Add(second.get());
    g_inputWidgets.SendKeyPress('k');
    EXPECT_EQ("k", first->editText);
    EXPECT_EQ("k", static_cast<EditBox*>(second.get())->editText);
}

TEST(EditBoxCaret, StartsVisibleFadesOutThenIn)
{
    EditBoxCaret caret;
    caret.Update(0.0f);
    EXPECT_EQ(255, caret.alpha);
    caret.Update(0.125f); // _time 0.25: fading out
    EXPECT_GT(caret.alpha, 0);
    EXPECT_LT(caret.alpha, 255);
    caret.Update(0.25f); // _time 0.75
    const int fading = caret.alpha;
    caret.Update(0.125f); // _time 1.0, not yet past
    EXPECT_LT(caret.alpha, fading);
    EXPECT_EQ(0, caret.alpha);
    EXPECT_FALSE(caret.phase);
    caret.Update(0.25f); // past 1: the phase flips, fading in
    EXPECT_TRUE(caret.phase);
    EXPECT_GT(caret.alpha, 0);
    EXPECT_FALSE(caret.IsFinished());
}

TEST(EditBoxLifetime, DeletingTheBoxEndsItsCaret)
{
    FakeWidgetServices services;
    kernel.FlushPending();
    const std::size_t before = kernel.Active().size();
    {
        XmlElement element("<EditBox name=\"Gone\"/>");
        std::unique_ptr<Widget> box(CreateEditBox(element));
        kernel.FlushPending();
        EXPECT_EQ(before + 1, kernel.Active().size());
    }
    kernel.Update(0.0f);
    EXPECT_EQ(before, kernel.Active().size());
}

} // namespace
