#include "GuiTestSupport.h"

#include "file/BufferBinary.h"
#include "gui/PushButton.h"
#include "gui/RadioButton.h"
#include "gui/RadioButtonListener.h"
#include "input/Pointer.h"
#include "support/NullCanvas.h"

using namespace guitest;
using framework::InputEvent;
using GUI::PushButton;
using GUI::RadioButton;

namespace {

// A named face of a fixed size that takes no events.
class Plate : public GUI::Widget {
public:
  Plate(const wchar_t *name, float size) : m_size(size) { setName(Symbol::intern(name)); }
  math::Rectangle localRectangle() const override { return rect(0, 0, m_size, m_size); }

private:
  float m_size;
};

class FaceTest : public GuiTest {
protected:
  // A dictionary naming freshly registered faces under the keys given.
  quip::Dictionary faces(std::initializer_list<const wchar_t *> keys, float size = 20) {
    quip::Dictionary d;
    for (const wchar_t *key : keys) {
      auto *face = new Plate(key, size);
      d.set(Symbol::intern(key),
            quip::Token(GUI::WidgetRegistry::instance()->registerWidget(face), false));
    }
    return d;
  }

  static std::string shown(const GUI::Widget &w) {
    std::string out;
    for (GUI::Widget *child : w.children())
      if (child->visible())
        out += narrow(String(child->name().text())) + " ";
    return out;
  }
};

TEST_F(FaceTest, PushButtonShowsTheFaceOfItsState) {
  PushButton b;
  b.load(faces({L"up", L"highlight", L"down"}));
  EXPECT_EQ(b.children().size(), 3u);
  EXPECT_EQ(shown(b), "up ");
  b.setState(PushButton::OVER);
  EXPECT_EQ(shown(b), "highlight ");
  b.setState(PushButton::DOWN);
  EXPECT_EQ(shown(b), "down ");
  // Dimmed without a dim face: nothing shows and the bounds are empty.
  b.setDimmed(true);
  EXPECT_EQ(shown(b), "");
  EXPECT_EQ(b.localRectangle(), math::Rectangle());
  b.load(faces({L"dimWidget"}));
  EXPECT_EQ(shown(b), "dimWidget ");
  b.setDimmed(false);
  EXPECT_EQ(shown(b), "up ");
}

TEST_F(FaceTest, PushButtonBoundsAreTheShownFacesAndAReplacedFaceGoes) {
  PushButton b;
  b.load(faces({L"up", L"highlight"}));
  b.face(PushButton::HIGHLIGHT)->setPosition(math::Vector2(5, 6));
  EXPECT_EQ(b.localRectangle(), rect(0, 0, 20, 20));
  b.setState(PushButton::OVER);
  EXPECT_EQ(b.localRectangle(), rect(5, 6, 20, 20));
  b.load(faces({L"highlight"}, 30));
  EXPECT_EQ(b.children().size(), 2u);
  EXPECT_EQ(b.localRectangle(), rect(0, 0, 30, 30));
}

// The up, highlight and down faces are required; a button without them is
// an empty widget that lays out, draws and takes events without harm.
TEST_F(FaceTest, PushButtonWithoutFacesIsEmpty) {
  GUI::Page *page = shownPage();
  auto *b = new PushButton;
  b->load(faces({L"up"}));
  page->addChild(b);
  b->setState(PushButton::DOWN);
  EXPECT_EQ(b->localRectangle(), math::Rectangle());
  b->callNativeMethod(Symbol::intern(L"applyLayout"));
  testing_support::NullCanvas canvas;
  page->render(canvas);
  page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 0, 0));
  // Rebuilding the children drops the faces they were.
  quip::Dictionary d;
  d.set(Symbol::intern(L"children"), quip::Token(quip::Array(0), false));
  b->load(d);
  EXPECT_EQ(b->face(PushButton::UP), nullptr);
  b->setState(PushButton::IDLE);
  EXPECT_EQ(b->localRectangle(), math::Rectangle());
}

class NotingRadioListener : public GUI::RadioButtonListener {
public:
  void selectionChanged(RadioButton *r) override { note("changed:" + narrow(r->name().text())); }
};

class RadioTest : public FaceTest {
protected:
  // Three radio buttons of 20 x 20 side by side on a shown page.
  void makeGroup(const wchar_t *extra = nullptr) {
    page = shownPage();
    const wchar_t *names[] = {L"r0", L"r1", L"r2"};
    for (int i = 0; i < 3; ++i) {
      quip::Dictionary d = faces({L"up", L"highlight", L"down"});
      d.set(Symbol::intern(L"name"), quip::Token(Symbol::intern(names[i]), false));
      d.set(Symbol::intern(L"position"), math::Vector2(float(30 * i), 0).toToken());
      std::wstring onClick = std::wstring(L"\"click") + names[i] + L"\" note";
      d.set(Symbol::intern(L"onClick"), quip::Token(code(onClick.c_str()), false));
      if (extra && i < 2)
        d.set(Symbol::intern(extra), quip::Token(quip::trueSymbol(), false));
      radios[i] = new RadioButton;
      radios[i]->load(d);
      radios[i]->addListener(&listener);
      page->addChild(radios[i]);
    }
    g_log.clear();
  }
  std::string states() {
    std::string out;
    for (RadioButton *r : radios)
      out += std::to_string(r->state()) + (r->activated() ? "+ " : "- ");
    return out;
  }

  GUI::Page *page = nullptr;
  RadioButton *radios[3] = {};
  NotingRadioListener listener;
};

TEST_F(RadioTest, ClickingOneDeactivatesItsSiblingsWithoutTheirHandlers) {
  makeGroup();
  radios[0]->activate();
  EXPECT_EQ(states(), "2+ 0- 0- ");
  EXPECT_TRUE(page->handleEvent(pointer(InputEvent::BUTTON_DOWN, 35, 5)));
  EXPECT_EQ(g_log, "clickr1 changed:r1 ");
  EXPECT_EQ(states(), "0- 2+ 0- ");
  EXPECT_EQ(shown(*radios[1]), "down ");
  // Releases are not the radio button's.
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::BUTTON_UP, 35, 5)));
}

TEST_F(RadioTest, StartActivatedLeavesSiblingsAloneUntilAClick) {
  makeGroup(L"startActivated");
  EXPECT_EQ(g_log, "");
  EXPECT_EQ(states(), "2+ 2+ 0- ");
  radios[2]->click();
  EXPECT_EQ(states(), "0- 0- 2+ ");
}

TEST_F(RadioTest, MotionHighlightsOnlyWhatIsNotActivated) {
  makeGroup();
  radios[0]->activate();
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 5, 5)));
  EXPECT_FALSE(page->handleEvent(pointer(InputEvent::POINTER_MOTION, 65, 5)));
  EXPECT_EQ(states(), "2+ 0- 1- ");
  EXPECT_TRUE(radios[2]->isHighlighted());
  EXPECT_TRUE(page->isHighlighted());
  page->handleEvent(pointer(InputEvent::POINTER_MOTION, 200, 200));
  EXPECT_EQ(states(), "2+ 0- 0- ");
}

TEST_F(RadioTest, HoverTimeGrowsWhileThePointerRests) {
  makeGroup();
  framework::setPointerPosition(math::Vector2i(5, 5));
  page->update(0.25f);
  page->update(0.5f);
  EXPECT_FLOAT_EQ(radios[0]->hoverTime(), 0.75f);
  EXPECT_EQ(radios[1]->hoverTime(), 0.0f);
  framework::setPointerPosition(math::Vector2i(200, 200));
  page->update(0.1f);
  EXPECT_EQ(radios[0]->hoverTime(), 0.0f);
}

TEST_F(RadioTest, RecordAddsStateAndActivatedAndWritesOn) {
  makeGroup();
  radios[1]->click();
  file::BufferBinary out;
  radios[1]->serialize(out);
  // The base record (position, visible, three faces) and two bytes.
  EXPECT_EQ(out.tell(), 9u + 3 * 9u + 2u);
  out.seek(0);
  radios[0]->deserialize(out);
  EXPECT_EQ(radios[0]->position().x, 30.0f);
  EXPECT_EQ(radios[0]->state(), RadioButton::DOWN);
  EXPECT_TRUE(radios[0]->activated());
  EXPECT_EQ(shown(*radios[0]), "down ");
  quip::Dictionary written;
  radios[1]->write(written);
  EXPECT_EQ(written.lookup(Symbol::intern(L"on"))->symbol(), quip::trueSymbol());
  radios[2]->write(written);
  EXPECT_EQ(written.lookup(Symbol::intern(L"on"))->symbol(), quip::falseSymbol());
}

} // namespace
