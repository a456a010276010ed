#include "gui/Message.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// One setter per kind, in tag order, and the getters in the same order.
using Setter = std::function<void(VariableSet&)>;
using Getter = std::function<void(VariableSet&)>;

Widget* const kSomeWidget = reinterpret_cast<Widget*>(0x1000);

const std::vector<Setter> kSetters = {
    [](VariableSet& s) { s.setBool("v", true); },
    [](VariableSet& s) { s.setInt("v", 3); },
    [](VariableSet& s) { s.setFloat("v", 3.0f); },
    [](VariableSet& s) { s.setString("v", "three"); },
    [](VariableSet& s) { s.setColor("v", Color(1, 2, 3, 4)); },
    [](VariableSet& s) { s.setPoint("v", Point(5, 6)); },
    [](VariableSet& s) { s.setWidget("v", kSomeWidget); },
};

const std::vector<Getter> kGetters = {
    [](VariableSet& s) { EXPECT_TRUE(s.getBool("v")); },
    [](VariableSet& s) { EXPECT_EQ(s.getInt("v"), 3); },
    [](VariableSet& s) { EXPECT_EQ(s.getFloat("v"), 3.0f); },
    [](VariableSet& s) { EXPECT_EQ(s.getString("v"), "three"); },
    [](VariableSet& s) { EXPECT_EQ(s.getColor("v"), Color(1, 2, 3, 4)); },
    [](VariableSet& s) { EXPECT_EQ(s.getPoint("v"), Point(5, 6)); },
    [](VariableSet& s) { EXPECT_EQ(s.getWidget("v"), kSomeWidget); },
};

} // namespace

TEST(VariableSet, EachGetterReadsOnlyItsOwnKind)
{
    for (std::size_t stored = 0; stored < kSetters.size(); ++stored) {
        for (std::size_t asked = 0; asked < kGetters.size(); ++asked) {
            SCOPED_TRACE(testing::Message() << "stored kind " << stored << ", asked kind " << asked);
            VariableSet set;
            kSetters[stored](set);
            if (stored == asked)
                EXPECT_NO_THROW(kGetters[asked](set));
            else
                EXPECT_THROW(kGetters[asked](set), boost::bad_get);
            EXPECT_EQ(set.Size(), 1u);
        }
    }
}

TEST(VariableSet, ReadingAMissingNameAddsItAsFalse)
{
    VariableSet set;
    EXPECT_FALSE(set.getBool("a"));
    EXPECT_TRUE(set.Has("a"));

    EXPECT_THROW(set.getInt("b"), boost::bad_get);
    EXPECT_TRUE(set.Has("b"));
    EXPECT_FALSE(set.getBool("b"));
}

TEST(VariableSet, SettersReplaceValueAndKind)
{
    VariableSet set;
    set.setInt("n", 3);
    EXPECT_THROW(set.getFloat("n"), boost::bad_get);
    set.setFloat("n", 3.0f);
    EXPECT_EQ(set.getFloat("n"), 3.0f);

    set.setPoint("p", Point(1, 2));
    set.setString("p", "text");
    EXPECT_THROW(set.getPoint("p"), boost::bad_get);
    EXPECT_EQ(set.getString("p"), "text");
}

TEST(Message, ConstructorsAndComparisons)
{
    const Message ok("Ok", "press");
    EXPECT_TRUE(ok.is("Ok"));
    EXPECT_TRUE(ok.is("Ok", "press"));
    EXPECT_FALSE(ok.is("OK"));
    EXPECT_FALSE(ok.is("ok", "press"));
    EXPECT_FALSE(ok.is("Ok", "Press"));

    const Message escape("Escape");
    EXPECT_TRUE(escape.is("Escape"));
    EXPECT_EQ(escape.getData(), "");
    EXPECT_EQ(escape.getIntegerParam(), 0);

    const Message number("Active", 5);
    EXPECT_EQ(number.getData(), "");
    EXPECT_EQ(number.getIntegerParam(), 5);

    const Message digit("Active", std::string("5"));
    EXPECT_EQ(digit.getData(), "5");
    EXPECT_EQ(digit.getIntegerParam(), 0);

    const Message all("Slider", "Change", -7);
    EXPECT_EQ(all.getPublisher(), "Slider");
    EXPECT_EQ(all.getData(), "Change");
    EXPECT_EQ(all.getIntegerParam(), -7);

    const Message empty;
    EXPECT_EQ(empty.getPublisher(), "");
    EXPECT_TRUE(empty.getVariables().Empty());
}

TEST(Message, VariablesStayInTheMessageAndAreCopied)
{
    Message original("Fader");
    original.getVariables().setInt("time", 2);
    Message copy = original;
    copy.getVariables().setInt("time", 9);
    EXPECT_EQ(original.getVariables().getInt("time"), 2);
    EXPECT_EQ(copy.getVariables().getInt("time"), 9);
}

TEST(MessageQueue, PostingKeepsOrderAndCopies)
{
    g_messageQueue.clear();
    Message message("first");
    PostMessage(message);
    message.publisher = "second";
    PostMessage(message);
    PostMessage(Message("third"));

    // A drain that takes from the front delivers a message posted while it
    // runs after the ones already waiting.
    std::vector<std::string> delivered;
    while (!g_messageQueue.empty()) {
        const Message front = g_messageQueue.front();
        g_messageQueue.pop_front();
        delivered.push_back(front.getPublisher());
        if (front.is("first"))
            PostMessage(Message("fourth"));
    }
    EXPECT_EQ(delivered, (std::vector<std::string>{"first", "second", "third", "fourth"}));
}
