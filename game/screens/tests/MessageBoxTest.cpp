// The in-game message box: its text, its size, where its buttons go and
// which of them takes a press.

#include "MessageBoxFixture.h"

#include "gui/InputMap.h"
#include "gui/widgets/Button.h"
#include "gui/widgets/CheckBox.h"

using testing_support::WriteTextFile;

TEST_F(MessageBoxFixture, TheFirstMessageOfItsNameSizesTheFrame)
{
    auto box = Make();
    ASSERT_NE(box->GetTextBlock(), nullptr);
    EXPECT_EQ(box->GetTextBlock()->lines[0].text, "twenty characters...");
    // Text 200 wide, check box 60 and button 80: content 270, W 320;
    // H = int(20 * 0.025 + 2) * 40 + the 40 of the button row.
    EXPECT_EQ(box->Layout().width, 320);
    EXPECT_EQ(box->Layout().height, 120);
    EXPECT_EQ(box->rect.x, 100);
    EXPECT_EQ(box->rect.y, 100);
    EXPECT_EQ(box->rect.w, 320);
    EXPECT_EQ(box->name, "hello");
    ASSERT_NE(box->GetCheckBox(), nullptr);
    ASSERT_NE(box->GetButton(), nullptr);
    EXPECT_EQ(box->GetCheckBox()->name, "MessageBoxBtn1");
    EXPECT_EQ(box->GetButton()->name, "MessageBoxBtn2");
    EXPECT_TRUE(box->children.empty()) << "the buttons belong to the box, not to its children";
}

TEST_F(MessageBoxFixture, TheCheckBoxStartsInTheStateOfThePlayersHints)
{
    EXPECT_EQ(Make()->GetCheckBox()->QueryState(Message("GetState")).data, "1");
    info.setHintsEnabled(false);
    EXPECT_EQ(Make()->GetCheckBox()->QueryState(Message("GetState")).data, "0");
}

TEST_F(MessageBoxFixture, TheFrameAndItsButtonsArePlacedFromOneCorner)
{
    auto box = Make();
    box->SetPosition(Point(240, 300));
    EXPECT_EQ(box->Anchor(), Point(240, 300));
    EXPECT_EQ(box->rect.x, 240);
    EXPECT_EQ(box->rect.y, 300);
    // L = 240 + 160 - (80 + 180 + 20) / 2 = 260.
    EXPECT_EQ(box->GetCheckBox()->rect.x, 260);
    EXPECT_EQ(box->GetCheckBox()->rect.y, 300 + 28);
    EXPECT_EQ(box->GetButton()->rect.x, 260 + 180 + 35);
    EXPECT_EQ(box->GetButton()->rect.y, 300 + 15);
    EXPECT_EQ(box->GetButton()->position, Point(475, 315));
    // A move keeps them there.
    box->MouseMove(Point(10, 10));
    EXPECT_EQ(box->rect.x, 240);
    EXPECT_EQ(box->GetButton()->rect.x, 475);
}

TEST_F(MessageBoxFixture, TheButtonsTakeThePressesOnThem)
{
    auto box = Make();
    box->SetPosition(Point(240, 300));
    g_messageQueue.clear();
    // The button: "down", then "press" on the release over it.
    EXPECT_TRUE(box->MouseDown(Point(500, 330)));
    box->MouseMove(Point(500, 330));
    box->MouseUp(Point(500, 330));
    EXPECT_EQ(TakePosted(), (std::vector<std::string>{"MessageBoxBtn2/down/0", "MessageBoxBtn2/press/0"}));
    // The check box turns off and says so.
    EXPECT_TRUE(box->MouseDown(Point(270, 340)));
    box->MouseUp(Point(270, 340));
    EXPECT_EQ(TakePosted(), std::vector<std::string>{"MessageBoxBtn1/Change/0"});
    EXPECT_EQ(box->GetCheckBox()->QueryState(Message("GetState")).data, "0");
    // Elsewhere on the frame, the frame takes it.
    EXPECT_TRUE(box->MouseDown(Point(300, 400)));
    EXPECT_TRUE(TakePosted().empty());
    EXPECT_FALSE(box->MouseDown(Point(10, 10)));
}

TEST_F(MessageBoxFixture, APressBothButtonsCouldTakeGoesToTheButton)
{
    auto box = Make();
    box->SetPosition(Point(240, 300));
    CheckBox& check = *box->GetCheckBox();
    check.SetRect(box->GetButton()->rect.x, box->GetButton()->rect.y, check.size.x, check.size.y);
    g_messageQueue.clear();
    EXPECT_TRUE(box->MouseDown(Point(490, 330)));
    EXPECT_EQ(TakePosted(), std::vector<std::string>{"MessageBoxBtn2/down/0"});
    EXPECT_EQ(check.QueryState(Message("GetState")).data, "1");
}

TEST_F(MessageBoxFixture, AMessageThatIsNotThereLeavesTheBoxWithoutText)
{
    auto box = Make("nothing");
    EXPECT_EQ(box->GetTextBlock(), nullptr);
    EXPECT_EQ(box->Layout().height, 80 + 40);
    EXPECT_NE(_log.Text().find("There is no message &quot;nothing&quot;"), std::string::npos);
}

TEST_F(MessageBoxFixture, WithoutItsFilesTheBoxHasNoTextAndNoButtons)
{
    WriteTextFile(_dir.File("buttons.xml"), "<Buttons><MessageBoxBtn2>");
    WriteTextFile(_dir.File("Messages.xml"), "");
    auto box = Make();
    EXPECT_EQ(box->GetTextBlock(), nullptr);
    EXPECT_EQ(box->GetCheckBox(), nullptr);
    EXPECT_EQ(box->GetButton(), nullptr);
    // The check box's span of 120 counts without it: int(130 * 0.025 + 2) * 40.
    EXPECT_EQ(box->Layout().width, 200);
    box->SetPosition(Point(10, 20));
    EXPECT_TRUE(box->MouseDown(Point(20, 30)));
    box->MouseMove(Point(20, 30));
    box->MouseUp(Point(20, 30));
    EXPECT_NE(_log.Text().find("buttons.xml"), std::string::npos);
}

TEST_F(MessageBoxFixture, ALackingButtonCountsNothing)
{
    WriteTextFile(_dir.File("buttons.xml"),
                  "<Buttons><MessageBoxBtn1><state on=\"#On\" off=\"#Off\"/></MessageBoxBtn1></Buttons>");
    auto box = Make();
    EXPECT_EQ(box->GetButton(), nullptr);
    ASSERT_NE(box->GetCheckBox(), nullptr);
    // Content max(0 + 180 + 10, 200 + 39) = 239: W = 280; L = 140 - 200 / 2.
    EXPECT_EQ(box->Layout().width, 280);
    box->SetPosition(Point(0, 0));
    EXPECT_EQ(box->GetCheckBox()->rect.x, 40);
    box->MouseDown(Point(70, 40));
    box->MouseUp(Point(70, 40));
}

TEST_F(MessageBoxFixture, PutIntoTheInputMapItsButtonsTakePresses)
{
    auto box = Make();
    box->SetPosition(Point(240, 300));
    g_inputWidgets.Add(box.get());
    g_messageQueue.clear();
    g_inputWidgets.SendMouseMove(Point(500, 330));
    g_inputWidgets.SendMouseDown(Point(500, 330));
    g_inputWidgets.SendMouseUp(Point(500, 330));
    g_inputWidgets.SendMouseDown(Point(270, 340));
    g_inputWidgets.SendMouseUp(Point(270, 340));
    g_inputWidgets.Remove(box->name);
    EXPECT_EQ(TakePosted(), (std::vector<std::string>{"MessageBoxBtn2/down/0", "MessageBoxBtn2/press/0",
                                                      "MessageBoxBtn1/Change/0"}));
}
