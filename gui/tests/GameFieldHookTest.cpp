#include "gui/GameFieldHook.h"

#include "gui/Widget.h"
#include "tests/support/ScopedLogFile.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

namespace {

Widget* MakeBoard(const TiXmlElement* element)
{
    return new Widget(element->Attribute("name"));
}

} // namespace

TEST(GameFieldHook, MakesTheBoardOnlyWhenOneIsInstalled)
{
    TiXmlDocument doc;
    doc.Parse("<Controls><GameField name=\"Field\"/><GameField/></Controls>");
    const TiXmlElement* named = doc.RootElement()->FirstChildElement("GameField");
    const TiXmlElement* unnamed = named->NextSiblingElement("GameField");

    testing_support::ScopedLogFile log;
    SetGameFieldCreator(nullptr);
    EXPECT_EQ(CreateGameField(named), nullptr);
    EXPECT_NE(log.Text().find("widget kind &quot;GameField&quot;; the widget &quot;Field&quot;"), std::string::npos);

    SetGameFieldCreator(&MakeBoard);
    Widget* board = CreateGameField(named);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->name, "Field");
    delete board;
    EXPECT_EQ(CreateGameField(unnamed), nullptr);
    EXPECT_EQ(CreateGameField(nullptr), nullptr);
    SetGameFieldCreator(nullptr);
}
