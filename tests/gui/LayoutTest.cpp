#include "GuiTestSupport.h"

#include "gui/Layout.h"
#include "gui/LayoutKeywords.h"

#include <functional>
#include <vector>

using namespace guitest;
using GUI::Widget;

namespace {

// A widget with a fixed extent of its own.
class Block : public Widget {
public:
  explicit Block(float w = 0, float h = 0) : m_box(rect(0, 0, w, h)) {}
  math::Rectangle localRectangle() const override { return m_box; }

private:
  math::Rectangle m_box;
};

enum { FIXED = 0, LAYOUT = 1, LEFT = 2, CENTER = 4 };
enum { NONE = 0, PACK_LEFT = 4, PACK_RIGHT = 5 };

struct Case {
  const char *name;
  std::function<void(Widget &root)> build;
  std::function<void(Widget &root)> check;
};

Widget &child(Widget &w, uint32_t i) { return *w.children()[i]; }

class LayoutTest : public GuiTest {};

TEST_F(LayoutTest, EightCases) {
  const std::vector<Case> cases = {
      {"three packed children with spacing",
       [](Widget &root) {
         root.setHLayout(PACK_LEFT);
         root.setHSpacing(5);
         root.addChild(new Block(10, 1));
         root.addChild(new Block(20, 1));
         root.addChild(new Block(30, 1));
       },
       [](Widget &root) {
         EXPECT_EQ(root.naturalRect().width, 70.0f);
         float left = root.layoutRect().x;
         EXPECT_EQ(child(root, 0).position().x, left);
         EXPECT_EQ(child(root, 1).position().x, left + 15);
         EXPECT_EQ(child(root, 2).position().x, left + 40);
       }},
      {"one of two packed children expands into the rest",
       [](Widget &root) {
         root.setHLayout(PACK_LEFT);
         root.addChild(new Block(150, 60));
         root.addChild(new Block(100, 1));
         root.addChild(new Block(20, 1));
         child(root, 0).setHAlign(FIXED);
         child(root, 1).setHExpand(true);
       },
       // Available 150 (the fixed child's box); packed 120; 30 left.
       [](Widget &root) {
         EXPECT_EQ(child(root, 1).layoutRect().width, 130.0f);
         EXPECT_EQ(child(root, 2).layoutRect().width, 20.0f);
       }},
      {"an aligned expanding child takes the available width",
       [](Widget &root) {
         root.addChild(new Block(200, 10));
         child(root, 0).setHAlign(FIXED);
         root.addChild(new Block(50, 10));
         child(root, 1).setHAlign(CENTER);
         child(root, 1).setHExpand(true);
       },
       [](Widget &root) {
         EXPECT_EQ(child(root, 1).layoutRect().width, 200.0f);
         EXPECT_EQ(child(root, 1).position().x, 0.0f);
       }},
      {"a fixed child stays and still widens its parent",
       [](Widget &root) {
         root.setHLayout(PACK_RIGHT);
         root.addChild(new Block(10, 10));
         child(root, 0).setHAlign(FIXED);
         child(root, 0).setPosition(math::Vector2(90, 7));
       },
       [](Widget &root) {
         EXPECT_EQ(child(root, 0).position().x, 90.0f);
         // The parent's own (empty) box sits at its origin.
         EXPECT_EQ(root.naturalRect().x, 0.0f);
         EXPECT_EQ(root.naturalRect().width, 100.0f);
       }},
      {"no extent and no children: no margins", [](Widget &root) { root.setMargin(4, 4); },
       [](Widget &root) { EXPECT_EQ(root.naturalRect(), math::Rectangle()); }},
      {"packBottom starts at the bottom margin and climbs",
       [](Widget &root) {
         root.setHitArea(new math::Rectangle(rect(0, 0, 100, 100)));
         root.setVLayout(PACK_RIGHT);
         root.setVMargin(2);
         root.setVSpacing(3);
         root.addChild(new Block(10, 10));
         root.addChild(new Block(10, 20));
       },
       [](Widget &root) {
         EXPECT_EQ(root.layoutRect().y, -2.0f);
         EXPECT_EQ(child(root, 0).position().y, 0.0f);
         EXPECT_EQ(child(root, 1).position().y, 13.0f);
       }},
      {"an unknown layout keyword leaves layout children alone",
       [](Widget &root) {
         root.setHitArea(new math::Rectangle(rect(0, 0, 100, 100)));
         root.setHLayout(
             GUI::keywordIndex(GUI::KeywordTable::H_LAYOUT, Symbol::intern(L"sideways")));
         root.addChild(new Block(10, 10));
         child(root, 0).setPosition(math::Vector2(33, 0));
       },
       [](Widget &root) {
         EXPECT_EQ(root.hLayout(), 6u);
         EXPECT_EQ(child(root, 0).position().x, 33.0f);
       }},
      {"an expanding root takes the screen less its margins",
       [](Widget &root) {
         root.setHitArea(new math::Rectangle(rect(0, 0, 100, 100)));
         root.setHExpand(true);
         root.setHMargin(10);
       },
       [](Widget &root) { EXPECT_GE(root.layoutRect().width, 300.0f); }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    Widget root;
    c.build(root);
    GUI::applyLayout(root);
    c.check(root);
  }
}

TEST_F(LayoutTest, KeywordTablesAnswerTheirLengthForStrangers) {
  using GUI::KeywordTable;
  EXPECT_EQ(GUI::keywordIndex(KeywordTable::V_ALIGN, Symbol::intern(L"bottom")), 3u);
  EXPECT_EQ(GUI::keywordIndex(KeywordTable::H_ALIGN, Symbol::intern(L"bottom")), 5u);
  EXPECT_EQ(GUI::keywordIndex(KeywordTable::V_LAYOUT, Symbol::intern(L"packBottom")), 5u);
  EXPECT_EQ(GUI::keywordIndex(KeywordTable::PAGE_STATE, Symbol::intern(L"gone")), 4u);
  EXPECT_STREQ(GUI::keywordName(KeywordTable::PAGE_STATE, 2).text(), L"exit");
}

} // namespace
