// Rich text: the mark-up's tree, its layout into lines, justification and
// reveal as drawn, the parse errors, and attributes run as scripts.

#include "TextTestSupport.h"

#include "file/BufferBinary.h"
#include "framework/CorvaneDatabase.h"
#include "framework/FrameworkTestSupport.h"
#include "text/FontFactory.h"
#include "text/RichText.h"
#include "text/RichTextNodes.h"
#include "texture/TextureManager.h"

#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

using namespace testing_support;
using namespace text;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// The font "font": x and o 10 wide, no spacing, so a word of n x's is 10 n
// wide and a blank 6; lines 10 high.
struct RichTextTest : FrameworkTest {
  void SetUp() override {
    FrameworkTest::SetUp();
    CorvaneDatabase *database = corvaneDatabase();
    Texture *texture = whiteTexture(sym(L"boxes")).release();
    database->textureManager().addTexture(texture);
    database->fontFactory().insert(boxFont(texture, {{L'x', 10}, {L'o', 10}}, 0.0f).release());
    rich = std::make_unique<RichText>();
  }
  void TearDown() override {
    rich.reset();
    FrameworkTest::TearDown();
  }
  // The text set, its messages kept.
  void set(const wchar_t *markup) {
    testing::internal::CaptureStderr();
    rich->setText(markup);
    log = testing::internal::GetCapturedStderr();
  }
  std::string kinds(const richText::Node &node) {
    std::string out;
    for (uint32_t i = 0; i < node.childCount(); ++i) {
      const richText::Node *child = node.child(i);
      if (dynamic_cast<const richText::NodeText *>(child))
        out += "T";
      else if (dynamic_cast<const richText::NodeSpace *>(child))
        out += "_";
      else if (dynamic_cast<const richText::NodeLineBreak *>(child))
        out += "|";
      else if (dynamic_cast<const richText::NodeBillboard2D *>(child))
        out += "B";
      else
        out += "(" + kinds(*child) + ")";
    }
    return out;
  }
  std::vector<math::Vector2> lines() const {
    const auto &l = rich->layout().lines;
    return std::vector<math::Vector2>(l.begin(), l.end());
  }
  std::vector<RecordedQuad> draw() {
    TextCanvas canvas;
    rich->render(canvas);
    return canvas.drawnQuads();
  }

  // Made once the fonts are there.
  std::unique_ptr<RichText> rich;
  std::string log;
};

void expectLines(const std::vector<math::Vector2> &lines,
                 std::initializer_list<std::pair<float, float>> expected) {
  ASSERT_EQ(lines.size(), expected.size());
  size_t i = 0;
  for (const auto &[width, height] : expected) {
    EXPECT_FLOAT_EQ(lines[i].x, width) << "line " << i;
    EXPECT_FLOAT_EQ(lines[i].y, height) << "line " << i;
    ++i;
  }
}

} // namespace

TEST_F(RichTextTest, WordsAndBlanksBecomeTextAndSpaceNodes) {
  struct Case {
    const wchar_t *markup;
    const char *tree;
  };
  const Case cases[] = {
      {L"xx  xx", "T_T"},
      {L" xx\t\nx ", "_T_T_"},
      {L"xx<br/>xx", "T|T"},
      {L"xx<br />xx", "T|T"},
      {L"<underline>x <color {[0 0 1 1]}>x</color></underline>x", "(T_(T))T"},
      {L"xx</color> xx", "T"}, // a closing tag at the top level ends the text
  };
  for (const Case &c : cases) {
    set(c.markup);
    ASSERT_NE(rich->root(), nullptr);
    EXPECT_EQ(kinds(*rich->root()), c.tree) << String(c.markup).length();
    EXPECT_TRUE(rich->parseMessages().isEmpty()) << log;
  }
}

TEST_F(RichTextTest, LinesWrapBreakAndDropLeadingBlanks) {
  struct Case {
    const wchar_t *markup;
    float wrap;
    std::initializer_list<std::pair<float, float>> lines;
  };
  const Case cases[] = {
      {L" xx", -1.0f, {{20, 10}}},
      {L"xx<br/>xx", -1.0f, {{20, 10}, {20, 10}}},
      {L"xx<br />xx", -1.0f, {{20, 10}, {20, 10}}},
      // 30 + 6 + 30 > 50: the blank stays on the first line.
      {L"xxx xxx", 50.0f, {{36, 10}, {30, 10}}},
      {L"xxx xxx", 66.0f, {{66, 10}}},
      // A word wider than the wrap width on an empty line follows an empty one.
      {L"xxxxxxxx", 50.0f, {{0, 0}, {80, 10}}},
      {L"xx<br/><br/>xx", -1.0f, {{20, 10}, {0, 10}, {20, 10}}},
  };
  for (const Case &c : cases) {
    rich->setWidth(c.wrap);
    set(c.markup);
    expectLines(lines(), c.lines);
  }
  // The bounds: the wrap width (or the widest line) across, the lines down.
  rich->setWidth(50.0f);
  set(L"xxx xxx");
  math::Rectangle box = rich->getBounds();
  EXPECT_FLOAT_EQ(box.y, -20.0f);
  EXPECT_FLOAT_EQ(box.width, 50.0f);
  EXPECT_FLOAT_EQ(box.height, 20.0f);
  rich->setWidth(0.0f);
  expectLines(lines(), {{66, 10}});
  EXPECT_FLOAT_EQ(rich->getBounds().width, 66.0f);
}

TEST_F(RichTextTest, JustificationShiftsEachLine) {
  rich->setWidth(200.0f);
  set(L"xxxxxxxxxxxx<br/>xx");
  struct Case {
    int justification;
    float first, second;
  };
  for (const Case &c : {Case{0, 0, 0}, Case{1, 40, 90}, Case{2, 80, 180}}) {
    rich->setJustification(c.justification);
    std::vector<RecordedQuad> quads = draw();
    ASSERT_EQ(quads.size(), 14u);
    EXPECT_FLOAT_EQ(quads[0].left, c.first) << c.justification;
    EXPECT_FLOAT_EQ(quads[12].left, c.second) << c.justification;
  }
  rich->setJustification(sym(L"center"));
  EXPECT_EQ(rich->justification(), 1);
  rich->setJustification(sym(L"right"));
  EXPECT_EQ(rich->justification(), 2);
  rich->setJustification(sym(L"justified"));
  EXPECT_EQ(rich->justification(), 0);
}

TEST_F(RichTextTest, LinesGoDownFromThePositionByTheirHeightsAndSpacing) {
  rich->setPosition(100.0f, 300.0f);
  rich->setLineSpacing(4.0f);
  set(L"x<br/>x");
  std::vector<RecordedQuad> quads = draw();
  ASSERT_EQ(quads.size(), 2u);
  // The first line's top at the position: its baseline one line down, the
  // glyph's bottom 2 below that.
  EXPECT_FLOAT_EQ(quads[0].left, 100.0f);
  EXPECT_FLOAT_EQ(quads[0].bottom, 300.0f - 10.0f - 2.0f);
  EXPECT_FLOAT_EQ(quads[1].left, 100.0f);
  EXPECT_FLOAT_EQ(quads[1].bottom, quads[0].bottom - 10.0f - 4.0f);
}

TEST_F(RichTextTest, TheRevealShowsTimeTimesSpeedOfTheAdvance) {
  set(L"xxx xxx");
  rich->setReveal(new RichTextReveal);
  struct Case {
    float time;
    size_t drawn;
  };
  // At 0.25 s the first word (30 wide) is at 25/30: all three of its
  // characters start before 25; at 0.15 s two do; at 0.37 s the second
  // word (from 36) shows its first character.
  float shown = 0.0f;
  for (const Case &c : {Case{0.0f, 0}, Case{0.15f, 2}, Case{0.25f, 3}, Case{0.37f, 4}}) {
    rich->update(c.time - shown);
    shown = c.time;
    EXPECT_EQ(draw().size(), c.drawn) << c.time;
  }
  quip::Dictionary speed;
  speed.set(sym(L"speed"), quip::Token(20.0f));
  rich->setReveal(RichText::readReveal(speed));
  EXPECT_FLOAT_EQ(rich->reveal()->speed, 20.0f);
  EXPECT_FLOAT_EQ(rich->reveal()->time, 0.0f);
}

TEST_F(RichTextTest, MalformedTagsAreReportedAndParsingGoesOn) {
  struct Case {
    const wchar_t *markup;
    const char *message;
    const char *tree;
  };
  const Case cases[] = {
      {L"x<foo> x", "parse error at line 1: unrecognized tag: foo", "TT_T"},
      {L"x\n<color }>x</color>", "parse error at line 2: parse failed in attribute", "T_(T)"},
      {L"<color \"red\">x</color>",
       "parse error at line 1: parse failed in attribute (expected array)", "(T)"},
      {L"\n\n<underline x>x</underline>", "parse error at line 3: expected '>' at this point",
       "_(T)"},
      {L"<underline>x", "parse error at line 1: expected '</underline>' at this point", "(T)"},
      // The mismatched closing tag is read up to its first wrong letter.
      {L"<underline>x</color>", "expected '</underline>' at this point", "(T)T"},
  };
  for (const Case &c : cases) {
    set(c.markup);
    ASSERT_FALSE(rich->parseMessages().isEmpty()) << c.message;
    container::Vector<char> first;
    rich->parseMessages()[0].toUtf8(first);
    EXPECT_NE(std::string(first.data()).find(c.message), std::string::npos) << first.data();
    // Each message is logged.
    EXPECT_NE(log.find(c.message), std::string::npos) << log;
    EXPECT_EQ(kinds(*rich->root()).substr(0, strlen(c.tree)), c.tree) << first.data();
  }
}

TEST_F(RichTextTest, AttributesRunAsScripts) {
  set(L"<format {(scale: [2 1] color: [0 1 0 1])}>xx</format> xx");
  EXPECT_TRUE(rich->parseMessages().isEmpty()) << log;
  const auto *format = dynamic_cast<const richText::NodeFormat *>(rich->root()->child(0));
  ASSERT_NE(format, nullptr);
  EXPECT_FLOAT_EQ(format->format().alignment.x, 0.0f);
  EXPECT_FLOAT_EQ(format->format().scale.x, 2.0f);
  expectLines(lines(), {{40 + 6 + 20, 10}});
  std::vector<RecordedQuad> quads = draw();
  ASSERT_EQ(quads.size(), 4u);
  EXPECT_EQ(quads[0].color.g, 255);
  EXPECT_EQ(quads[0].color.r, 0);
  EXPECT_EQ(quads[2].color.r, 255); // back to the base format after the tag

  set(L"<color {[0 0 1 1]}>x</color><color {[1 2 3]}>x</color>x");
  quads = draw();
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_EQ(quads[0].color.b, 255);
  EXPECT_EQ(quads[0].color.r, 0);
  EXPECT_EQ(quads[1].color.r, 255); // not a colour: it stays red
  EXPECT_EQ(quads[1].color.g, 0);
  EXPECT_EQ(quads[2].color.g, 255);
}

// A script that fails inside an attribute is reported, the attribute stays
// empty and the rest of the text is read.
TEST_F(RichTextTest, AScriptErrorInAnAttributeLeavesItEmpty) {
  const wchar_t *markups[] = {
      L"<format {undefinedThing}>xx</format> x",
      L"<format {1 0 div}>xx</format> x",
      L"<format {pop pop}>xx</format> x",
  };
  for (const wchar_t *markup : markups) {
    set(markup);
    container::Vector<char> message;
    ASSERT_EQ(rich->parseMessages().size(), 1u) << log;
    rich->parseMessages()[0].toUtf8(message);
    EXPECT_NE(std::string(message.data()).find("the format attribute gave no dictionary"),
              std::string::npos)
        << message.data();
    expectLines(lines(), {{20 + 6 + 10, 10}});
  }
}

TEST_F(RichTextTest, BillboardsStandOnTheLine) {
  set(L"x<billboard2D {(texture: boxes: size: [12 14])} />x");
  EXPECT_TRUE(rich->parseMessages().isEmpty()) << log;
  EXPECT_EQ(kinds(*rich->root()), "TBT");
  expectLines(lines(), {{32, 14}});
  std::vector<RecordedQuad> quads = draw();
  ASSERT_EQ(quads.size(), 3u);
  EXPECT_FLOAT_EQ(quads[1].left, 10.0f);
  EXPECT_FLOAT_EQ(quads[1].right, 22.0f);
  EXPECT_FLOAT_EQ(quads[1].bottom, -14.0f); // on the first line's baseline
  EXPECT_FLOAT_EQ(quads[2].left, 22.0f);
}

TEST_F(RichTextTest, UnderlinedWordsDrawALine) {
  set(L"<underline>xx</underline> xx");
  TextCanvas canvas;
  rich->render(canvas);
  canvas.drawnQuads();
  EXPECT_EQ(canvas.drawn.size(), 1u);
  EXPECT_EQ(canvas.recorder.quads.size(), 4u);
  EXPECT_FLOAT_EQ(rich->format().underline, 0.0f);
}

TEST_F(RichTextTest, TheBinaryFormReadsBack) {
  rich->setWidth(120.0f);
  rich->setLineSpacing(3.0f);
  rich->setJustification(2);
  set(L"xxx <color {[0 1 0 1]}>xxxxxx</color><br/>x");
  file::BufferBinary bytes;
  rich->write(bytes);
  bytes.seek(0);
  RichText read;
  testing::internal::CaptureStderr();
  ASSERT_TRUE(read.read(corvaneDatabase(), bytes));
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(read.text(), rich->text());
  EXPECT_FLOAT_EQ(read.width(), 120.0f);
  EXPECT_FLOAT_EQ(read.lineSpacing(), 3.0f);
  EXPECT_EQ(read.justification(), 2);
  EXPECT_EQ(read.layout().lines.size(), rich->layout().lines.size());
  EXPECT_FLOAT_EQ(read.format().alignment.y, 0.0f);

  file::BufferBinary cut;
  cut.receiveBytes(bytes.data(), bytes.size() - 2);
  cut.seek(0);
  RichText broken;
  EXPECT_FALSE(broken.read(corvaneDatabase(), cut));
}
