#include "engine/util/XmlAttributes.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

namespace {

TiXmlElement Element(const char* xml, TiXmlDocument& doc)
{
    doc.Parse(xml);
    return *doc.RootElement();
}

} // namespace

TEST(XmlAttributes, MissingAttributeKeepsThePreset)
{
    TiXmlDocument doc;
    const TiXmlElement e = Element("<E other=\"5\"/>", doc);
    int i = 7;
    float f = 1.5f;
    bool b = true;
    std::string s = "preset";
    EXPECT_FALSE(ReadIntAttribute(&e, "n", i));
    EXPECT_FALSE(ReadFloatAttribute(&e, "n", f));
    EXPECT_FALSE(ReadBoolAttribute(&e, "n", b));
    EXPECT_FALSE(ReadStringAttribute(&e, "n", s));
    EXPECT_EQ(i, 7);
    EXPECT_EQ(f, 1.5f);
    EXPECT_TRUE(b);
    EXPECT_EQ(s, "preset");
    EXPECT_FALSE(ReadIntAttribute(nullptr, "n", i));
}

TEST(XmlAttributes, PresentAttributesAreRead)
{
    TiXmlDocument doc;
    const TiXmlElement e = Element("<E i=\"12px\" f=\"0.25\" t=\"1\" u=\"TRUE\" s=\"hello\"/>", doc);
    int i = 0;
    float f = 0;
    bool t = false;
    bool u = true;
    std::string s;
    EXPECT_TRUE(ReadIntAttribute(&e, "i", i));
    EXPECT_TRUE(ReadFloatAttribute(&e, "f", f));
    EXPECT_TRUE(ReadBoolAttribute(&e, "t", t));
    EXPECT_TRUE(ReadBoolAttribute(&e, "u", u)); // present, but only "true" and "1" are true
    EXPECT_TRUE(ReadStringAttribute(&e, "s", s));
    EXPECT_EQ(i, 12);
    EXPECT_FLOAT_EQ(f, 0.25f);
    EXPECT_TRUE(t);
    EXPECT_FALSE(u);
    EXPECT_EQ(s, "hello");
}
