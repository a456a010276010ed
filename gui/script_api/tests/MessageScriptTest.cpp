// Messages, variable sets and widgets as scripts see them.

#include "engine/script/ScriptHost.h"
#include "gui/Widget.h"
#include "tests/support/BoundScriptState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ScriptedWidget : public Widget {
public:
    ScriptedWidget()
        : Widget("scripted")
    {
    }
    void AcceptMessage(const Message& message) override
    {
        received.push_back(message.getPublisher() + " " + message.getData());
    }
    std::vector<std::string> received;
};

class MessageScriptTest : public testing::Test {
protected:
    void SetUp() override { testing_support::OpenBoundScriptState(); }

    static std::string LuaString(const char* name)
    {
        luabind::object value = luabind::globals(g_luaState)[name];
        return luabind::type(value) == LUA_TSTRING ? luabind::object_cast<std::string>(value) : "(not a string)";
    }
};

} // namespace

TEST_F(MessageScriptTest, ConstructorsTellNumbersFromStrings)
{
    ASSERT_TRUE(RunScriptString(
        "local a = Message('Active', 5)\n"
        "local b = Message('Active', '5')\n"
        "local c = Message('Ok', 'press', 7)\n"
        "local d = Message('Escape')\n"
        "result = a:getData() .. '|' .. a:getIntegerParam() .. '|' .. b:getData() .. '|' .. b:getIntegerParam()\n"
        "  .. '|' .. tostring(c:is('Ok', 'press')) .. '|' .. tostring(c:is('ok')) .. '|' .. c:getIntegerParam()\n"
        "  .. '|' .. tostring(d:is('Escape')) .. '|' .. d:getPublisher()\n"));
    EXPECT_EQ(LuaString("result"), "|5|5|0|true|false|7|true|Escape");
}

TEST_F(MessageScriptTest, HandlerGetsTheMessageWithItsVariables)
{
    ASSERT_TRUE(RunScriptString(
        "function handle(m)\n"
        "  m:getVariables():setInt('added', 1)\n"
        "  seen = m:getPublisher() .. '/' .. m:getData() .. '/' .. m:getVariables():getString('who')\n"
        "    .. '/' .. m:getVariables():getInt('added')\n"
        "end\n"));
    Message message("Play", "press");
    message.getVariables().setString("who", "button");
    EXPECT_TRUE(ScriptFunctionCall("handle").Call(message));
    EXPECT_EQ(LuaString("seen"), "Play/press/button/1");
}

TEST_F(MessageScriptTest, VariableSetKindsCrossIntoTheEngine)
{
    ScriptedWidget widget;
    VariableSet set;
    luabind::globals(g_luaState)["vs"] = &set;
    luabind::globals(g_luaState)["w"] = static_cast<Widget*>(&widget);
    ASSERT_TRUE(RunScriptString(
        "vs:setBool('b', true) vs:setInt('i', 4) vs:setFloat('f', 0.5) vs:setString('s', 'text')\n"
        "vs:setColor('c', Color(1, 2, 3)) vs:setPoint('p', Point(2.7, -3.9)) vs:setWidget('w', w)\n"
        "same = vs:getWidget('w') == w and vs:getInt('i') == 4 and vs:getFloat('f') == 0.5\n"));
    EXPECT_TRUE(set.getBool("b"));
    EXPECT_EQ(set.getInt("i"), 4);
    EXPECT_EQ(set.getFloat("f"), 0.5f);
    EXPECT_EQ(set.getString("s"), "text");
    EXPECT_EQ(set.getColor("c"), Color(1, 2, 3, 255));
    EXPECT_EQ(set.getPoint("p"), Point(2, -3));
    EXPECT_EQ(set.getWidget("w"), &widget);
    EXPECT_TRUE(luabind::object_cast<bool>(luabind::globals(g_luaState)["same"]));
}

TEST_F(MessageScriptTest, AGetterOfTheWrongKindIsAScriptError)
{
    EXPECT_FALSE(RunScriptString("local v = VariableSet() v:setInt('n', 3) v:getFloat('n')"));
    EXPECT_FALSE(RunScriptString("local v = VariableSet() v:getInt('missing')"));
    ASSERT_TRUE(RunScriptString("local v = VariableSet() missing = v:getBool('missing')"));
    EXPECT_FALSE(luabind::object_cast<bool>(luabind::globals(g_luaState)["missing"]));
}

TEST_F(MessageScriptTest, WidgetOperationsReachTheKind)
{
    ScriptedWidget widget;
    Widget child("child");
    widget.children.push_back(&child);
    child.parent = &widget;
    luabind::globals(g_luaState)["w"] = static_cast<Widget*>(&widget);
    ASSERT_TRUE(RunScriptString(
        "w:AcceptMessage(Message('SetText', 'hello'))\n"
        "local answer = w:QueryState(Message('What'))\n"
        "answered = answer:getPublisher() .. answer:getData() .. answer:getIntegerParam()\n"
        "w:setVisible(false)\n"
        "w:setColor(Color(10, 20, 30, 40))\n"));
    EXPECT_EQ(widget.received, (std::vector<std::string>{"SetText hello"}));
    EXPECT_EQ(LuaString("answered"), "0");
    EXPECT_FALSE(widget.visible);
    EXPECT_EQ(widget.color, Color(10, 20, 30, 40));
    EXPECT_EQ(child.color, Color(10, 20, 30, 40));
}
