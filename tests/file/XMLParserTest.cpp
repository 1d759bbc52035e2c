#include "file/XMLParser.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>

namespace {

// Writes every event as one line of text.
class Recorder : public file::XMLParser {
public:
  String events;

  void beginDocument() override { events += L"doc{ "; }
  void endDocument() override { events += L"}doc"; }
  void beginElement(const String &name) override {
    XMLParser::beginElement(name);
    events += L"<" + name + L"> ";
  }
  void elementText(const String &element, const String &text) override {
    events += element + L"=[" + text + L"] ";
  }
  void endElement(const String &name) override {
    XMLParser::endElement(name);
    events += L"</" + name + L"> ";
  }
};

String eventsOf(const wchar_t *text, Recorder &parser) {
  parser.parse(String(text));
  return parser.events;
}

} // namespace

TEST(XMLParser, EventsOfAWellFormedDocument) {
  Recorder parser;
  EXPECT_EQ(eventsOf(L"<root>\n  <a>one</a>\n\t<b>x &lt; y &amp; z</b>\n</root>", parser),
            String(L"doc{ <root> <a> a=[one] </a> <b> b=[x < y & z] </b> </root> }doc"));
  EXPECT_TRUE(parser.errors().isEmpty());
  EXPECT_TRUE(parser.elementStack().isEmpty());
  EXPECT_EQ(parser.line(), 4u);

  Recorder nested;
  EXPECT_EQ(eventsOf(L"<a><b><c_1></c_1></b></a>", nested),
            String(L"doc{ <a> <b> <c_1> c_1=[] </c_1> </b> </a> }doc"));
  EXPECT_TRUE(nested.errors().isEmpty());
}

TEST(XMLParser, ErrorsAreReportedAndChildrenStillDelivered) {
  struct Case {
    const wchar_t *text;
    const wchar_t *firstError;
    const wchar_t *mustContain;
  } cases[] = {
      {L"<r>\n<a>1</a>\n x <b>2</b></r>", L"(3) : error: expected '<' character in child list",
       L"<a> a=[1] </a>"},
      {L"<r>\n<a>1</a>\n x <b>2</b></r>", L"(3) : error: expected '<' character in child list",
       L"<b> b=[2] </b>"},
      {L"<r>text<a>1</a></r>",
       L"(1) : error: non-space data not supported in elements with children",
       L"<a> a=[1] </a> </r>"},
      {L"<r><a>1</b></r>", L"(1) : error: element end tag doesn't match begin tag", L"a=[1]"},
      {L"<r><a>1</a>", L"(1) : error: unexpected end of file in child list", L"</r> }doc"},
      {L"<r><a>1", L"(1) : error: unexpected end of file", L"</a> </r> }doc"},
      {L"", L"(1) : error: unexpected end of file", L"}doc"},
      {L"<?xml?><r></r>", L"(1) : error: expected '>' at this point", L"}doc"},
      {L"<r>1</ r>", L"(1) : error: expected '>' at this point", L"r=[1]"},
  };
  for (const Case &c : cases) {
    Recorder parser;
    String events = eventsOf(c.text, parser);
    ASSERT_FALSE(parser.errors().isEmpty()) << events.c_str();
    EXPECT_EQ(parser.errors()[0], String(c.firstError)) << "got " << parser.errors()[0].c_str();
    EXPECT_GE(events.find(c.mustContain), 0) << events.c_str();
  }
}

TEST(XMLParser, DeepOrMangledInputEndsWithoutCrashing) {
  String deep;
  deep.reserve(300000);
  for (int i = 0; i < 100000; ++i)
    deep += L"<a>";
  Recorder parser;
  parser.parse(deep);
  EXPECT_FALSE(parser.errors().isEmpty());

  for (const wchar_t *text : {L"<", L"<<<<>>>>", L"<a></", L">>>", L"<a> x y", L"<a><b></a>"}) {
    Recorder mangled;
    String events = eventsOf(text, mangled);
    EXPECT_GE(events.find(L"}doc"), 0) << text;
    EXPECT_FALSE(mangled.errors().isEmpty()) << text;
  }
}

TEST(XMLParser, EscapeAndUnescape) {
  EXPECT_EQ(file::XMLParser::escape(String(L"a<b>&\"c'")), String(L"a&lt;b&gt;&amp;&quot;c&apos;"));
  EXPECT_EQ(file::XMLParser::unescape(String(L"a&lt;b&gt;&amp;&quot;c&apos;")),
            String(L"a<b>&\"c'"));
  String unknown = file::XMLParser::unescape(String(L"x&nbsp;y"));
  ASSERT_EQ(unknown.length(), 3u);
  EXPECT_EQ(unknown[1], wchar_t(0));
  // An entity without its ';' swallows the rest.
  EXPECT_EQ(file::XMLParser::unescape(String(L"ab&lt")), String(L"ab<"));
  String all;
  for (wchar_t c = 1; c < 300; ++c)
    all += c;
  EXPECT_EQ(file::XMLParser::unescape(file::XMLParser::escape(all)), all);
}

TEST(XMLParser, ParsesAFile) {
  testing_support::TempFolder dir;
  String path = dir.wide("doc.xml");
  FILE *f = fopen(dir.path("doc.xml").c_str(), "wb");
  ASSERT_NE(f, nullptr);
  fputs("<list>\r\n  <item>one</item>\r\n</list>\r\n", f);
  fclose(f);

  Recorder parser;
  ASSERT_TRUE(parser.parseFile(path));
  EXPECT_EQ(parser.events, String(L"doc{ <list> <item> item=[one] </item> </list> }doc"));
  EXPECT_EQ(parser.fileName(), path);
  EXPECT_FALSE(parser.parseFile(dir.wide("missing.xml")));
}

// Hostile input costs at most a bounded number of reports, then the parse stops.
TEST(XMLParser, ErrorsStopAtTheCap) {
  auto repeated = [](const wchar_t *head, const wchar_t *unit, int times, const wchar_t *tail) {
    String text(head);
    text.reserve(uint32_t(times * wcslen(unit) + 64));
    for (int i = 0; i < times; ++i)
      text += unit;
    return text + tail;
  };
  const String cases[] = {
      repeated(L"<r>", L"x", 200000, L"<a>1</a></r>"),
      repeated(L"<r>", L"<a>1</b>", 20000, L"</r>"),
      repeated(L"<r>", L"<a>1</a>x<", 20000, L"</r>"),
  };
  for (const String &text : cases) {
    Recorder parser;
    testing::internal::CaptureStderr();
    parser.parse(text);
    std::string err = testing::internal::GetCapturedStderr();
    ASSERT_EQ(parser.errors().size(), file::XMLParser::MaxErrors);
    EXPECT_GE(parser.errors().last().find(L"too many errors"), 0) << parser.errors().last().c_str();
    EXPECT_LT(err.size(), 200u * file::XMLParser::MaxErrors);
    EXPECT_GE(parser.events.find(L"}doc"), 0);
  }
}
