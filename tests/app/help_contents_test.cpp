#include "app/help_contents.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

// The sitemap form in which help compilers expect a table of contents.
const char* const kNestedContents = R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">
<HTML><HEAD></HEAD><BODY>
<OBJECT type="text/site properties"><param name="Name" value="not a topic"></OBJECT>
<UL>
  <LI> <OBJECT type="text/sitemap">
    <param name="Name" value="First">
    <param name="Local" value="first.html">
  </OBJECT>
  <LI> <OBJECT type="text/sitemap">
    <param name="Name" value="Second">
    <param name="Local" value="second.html">
  </OBJECT>
  <UL>
    <LI> <OBJECT type="text/sitemap">
      <param name="Name" value="Second, part one">
      <param name="Local" value="sub/one.html#top">
    </OBJECT>
    <UL>
      <LI> <OBJECT type="text/sitemap">
        <param name="Name" value="Deepest">
        <param name="Local" value="sub/deep.html">
      </OBJECT>
    </UL>
    <LI> <OBJECT type="text/sitemap">
      <param name="Name" value="Second, part two">
    </OBJECT>
  </UL>
  <LI> <OBJECT type="text/sitemap">
    <param name="Name" value="Third">
    <param name="Local" value="third.html">
  </OBJECT>
</UL>
</BODY></HTML>)";

TEST(HelpContentsTest, NestedListsBecomeSubtopicsOfTheEntryBeforeThem) {
  const std::vector<HelpTopic> topics = ParseHelpContents(kNestedContents);
  ASSERT_EQ(topics.size(), 3u);
  EXPECT_EQ(topics[0].name, "First");
  EXPECT_EQ(topics[0].local, "first.html");
  EXPECT_TRUE(topics[0].children.empty());
  EXPECT_EQ(topics[2].name, "Third");

  const HelpTopic& second = topics[1];
  EXPECT_EQ(second.local, "second.html");
  ASSERT_EQ(second.children.size(), 2u);
  EXPECT_EQ(second.children[0].name, "Second, part one");
  EXPECT_EQ(second.children[0].local, "sub/one.html#top");
  ASSERT_EQ(second.children[0].children.size(), 1u);
  EXPECT_EQ(second.children[0].children[0].local, "sub/deep.html");
  EXPECT_EQ(second.children[1].name, "Second, part two");
  EXPECT_TRUE(second.children[1].local.isEmpty());
}

struct AttributeCase {
  const char* name;
  const char* sitemap;
  const char* topicName;
  const char* topicLocal;
};

class HelpContentsAttributeTest : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(HelpContentsAttributeTest, ReadsNameAndLocal) {
  const std::vector<HelpTopic> topics = ParseHelpContents(GetParam().sitemap);
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_EQ(topics[0].name, QString::fromUtf8(GetParam().topicName));
  EXPECT_EQ(topics[0].local, QString::fromUtf8(GetParam().topicLocal));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, HelpContentsAttributeTest,
    ::testing::Values(
        AttributeCase{"LowerCaseTags",
                      R"(<ul><li><object type="text/sitemap"><param name="name" value="a"><param name="local" value="a.html"></object></ul>)",
                      "a", "a.html"},
        AttributeCase{"MixedCaseTypeAndNames",
                      R"(<Ul><OBJECT TYPE="Text/SiteMap"><PARAM NAME="NAME" VALUE="b"><Param Name="LOCAL" Value="b.html"></Object></uL>)",
                      "b", "b.html"},
        AttributeCase{"SingleQuotesAndUnquoted",
                      R"(<UL><OBJECT type=text/sitemap><param name='Name' value='it is "c"'><param name=Local value=c.html></OBJECT></UL>)",
                      "it is \"c\"", "c.html"},
        AttributeCase{"SpacesAroundEquals",
                      R"(<UL><OBJECT type = "text/sitemap"><param name = "Name" value = "d" ><param name="Local" value="d.html" /></OBJECT></UL>)",
                      "d", "d.html"},
        AttributeCase{"NamedEntities",
                      R"(<UL><OBJECT type="text/sitemap"><param name="Name" value="Q&amp;A &lt;1&gt; &quot;x&quot; &apos;y&apos;"><param name="Local" value="q&amp;a.html"></OBJECT></UL>)",
                      "Q&A <1> \"x\" 'y'", "q&a.html"},
        AttributeCase{"NumericEntities",
                      R"(<UL><OBJECT type="text/sitemap"><param name="Name" value="&#955; and &#x3C0;"><param name="Local" value="l.html"></OBJECT></UL>)",
                      "\xCE\xBB and \xCF\x80", "l.html"},
        AttributeCase{"UnknownEntitiesStay",
                      R"(<UL><OBJECT type="text/sitemap"><param name="Name" value="&nosuch; &#0; &"><param name="Local" value="e.html"></OBJECT></UL>)",
                      "&nosuch; &#0; &", "e.html"},
        AttributeCase{"ObjectOutsideAnyList",
                      R"(<OBJECT type="text/sitemap"><param name="Name" value="f"><param name="Local" value="f.html"></OBJECT>)",
                      "f", "f.html"}),
    [](const ::testing::TestParamInfo<AttributeCase>& info) { return std::string(info.param.name); });

TEST(HelpContentsTest, ParamsOutsideASitemapObjectAreIgnored) {
  const std::vector<HelpTopic> topics = ParseHelpContents(
      R"(<param name="Name" value="stray"><UL><OBJECT type="text/sitemap"><param name="Local" value="g.html"></OBJECT></UL>)");
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_TRUE(topics[0].name.isEmpty());
  EXPECT_EQ(topics[0].local, "g.html");
}

TEST(HelpContentsTest, UnbalancedListsStillGiveTheirEntries) {
  const std::vector<HelpTopic> topics = ParseHelpContents(
      R"(</UL></UL><UL><OBJECT type="text/sitemap"><param name="Name" value="top"></OBJECT>)"
      R"(<UL><OBJECT type="text/sitemap"><param name="Name" value="inner"></OBJECT>)");
  ASSERT_EQ(topics.size(), 1u);
  EXPECT_EQ(topics[0].name, "top");
  ASSERT_EQ(topics[0].children.size(), 1u);
  EXPECT_EQ(topics[0].children[0].name, "inner");
}

TEST(HelpContentsTest, TextWithoutObjectsGivesNoTopics) {
  EXPECT_TRUE(ParseHelpContents("").empty());
  EXPECT_TRUE(ParseHelpContents("<html><body><p>no contents here</p></body></html>").empty());
  EXPECT_TRUE(ParseHelpContents("<<<>>> <OBJECT <param value=").empty());
}

}  // namespace
}  // namespace tovan
