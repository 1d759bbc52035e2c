// A page of every widget kind, once warmed up, updates and draws a frame
// without allocating: a held button repeating, a hovered one showing its
// tooltip, faces, radio buttons, boxes, labels and rich text animating,
// frames, clipping, a popup, an open drop-down list and a scrolled window
// whose slider is held.

#include "gui/GuiTestSupport.h"
#include "gui/TestFonts.h"
#include "gui/TestSkeletons.h"

#include "gui/AnimatedContainer.h"
#include "gui/Border.h"
#include "gui/Box.h"
#include "gui/CheckButton.h"
#include "gui/ClipArea.h"
#include "gui/DragWidget.h"
#include "gui/DropDown.h"
#include "gui/GeneralButton.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Line.h"
#include "gui/Popup.h"
#include "gui/RadioButton.h"
#include "gui/RichTextWidget.h"
#include "gui/Scaler.h"
#include "gui/ScrimWidget.h"
#include "gui/ScrolledWindow.h"
#include "gui/Slider.h"
#include "gui/SliderArrow.h"
#include "gui/SliderHandle.h"
#include "gui/Spacer.h"
#include "gui/TextBoxWidget.h"
#include "gui/TextEntry.h"
#include "input/Pointer.h"
#include "support/AllocationCount.h"
#include "support/NullCanvas.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace guitest;

namespace {

// Draws through a vertex renderer that keeps its storage, and keeps nothing.
class DroppingCanvas : public testing_support::NullCanvas {
public:
  DroppingCanvas() : m_renderer(*this) {}
  video::VertexRenderer &vertexRenderer() override { return m_renderer; }
  video::RenderState &renderState() override { return m_state; }
  const video::RenderState &renderState() const override { return m_state; }

private:
  testing_support::PlainRenderState m_state;
  video::OpenGLVertexRenderer m_renderer;
};

class WidgetFrameAllocation : public GuiTest {
protected:
  template <typename W> W *add(const wchar_t *settings) {
    auto *w = new W;
    w->load(dictionaryOf(settings));
    page->addChild(w);
    return w;
  }
  void frame() {
    page->update(1 / 60.0f);
    page->render(canvas);
  }

  TestFonts fonts{database};
  GUI::Page *page = nullptr;
  DroppingCanvas canvas;
};

TEST_F(WidgetFrameAllocation, AFrameOfWidgetsAllocatesNothing) {
  page = shownPage();
  add<GUI::Box>(L"( size: [ 100 40 ] border: true: dropShadow: ( enabled: true: ) gradient: [ "
                L"[ 1 0 0 1 ] [ 0 1 0 1 ] [ 0 0 1 1 ] [ 0 0 0 1 ] ] animation: ( active: ( "
                L"channels: ( translationX: ( loop: true: frames: [ ( time: 0 value: 0 ) ( "
                L"time: 1 value: 10 ) ] ) ) ) ) )");
  add<GUI::Label>(L"( font: fontSystem: text: \"Score 100\" position: [ 50 300 ] layout: ( "
                  L"animate: true: characterDelay: 0.1 ) )");
  add<GUI::RichTextWidget>(L"( text: \"Some words to wrap\" width: 60 reveal: ( speed: 5 ) )");
  add<GUI::Image>(L"( color: [ 1 1 1 0.5 ] )");
  add<GUI::RadioButton>(L"( tooltip: \"Pick\" position: [ 200 200 ] )");
  auto *held = add<GUI::Button>(L"( position: [ 10 400 ] )");
  held->setHitArea(new math::Rectangle(rect(0, 0, 40, 20)));
  auto *hovered = add<GUI::CheckButton>(L"( tooltip: \"Check\" position: [ 100 100 ] "
                                        L"accelerator: ( key: F5: modifiers: [ Ctrl: ] ) )");
  hovered->setHitArea(new math::Rectangle(rect(0, 0, 40, 20)));
  add<GUI::Line>(L"( start: [ 0 0 ] end: [ 30 10 ] width: 2 )");
  add<GUI::Border>(L"( size: [ 60 30 ] width: 3 dropShadow: ( enabled: true: ) )");
  add<GUI::ClipArea>(L"( area: [ 0 0 50 50 ] position: [ 20 20 ] )")
      ->addChild(new GUI::Spacer(math::Vector2(80, 80)));
  add<GUI::ScrimWidget>(L"( color: [ 0 0 0 0.2 ] )");
  add<GUI::Scaler>(L"( min: 0 max: 10 )");
  add<GUI::Popup>(L"( title: \"Options\" position: [ 160 240 ] )");
  auto *dropDown = add<GUI::DropDown>(L"( font: font: text: \"a\" items: [ \"a\" \"bb\" ] "
                                      L"position: [ 200 100 ] )");
  auto *scrolled = new GUI::ScrolledWindow(
      new GUI::Slider(new GUI::SliderHandle, new GUI::SliderArrow, new GUI::SliderArrow),
      new GUI::Slider(new GUI::SliderHandle, new GUI::SliderArrow, new GUI::SliderArrow));
  scrolled->load(dictionaryOf(L"( size: [ 100 100 ] position: [ 100 300 ] hAlign: fixed: "
                              L"vAlign: fixed: )"));
  scrolled->addToContents(new GUI::Spacer(math::Vector2(150, 300)));
  page->addChild(scrolled);
  page->callNativeMethod(Symbol::intern(L"applyLayout"));
  dropDown->open();
  // The held arrow steps the slider and scrolls every frame.
  scrolled->verticalSlider()->forwardArrow()->setState(GUI::Button::DOWN);
  framework::setPointerPosition(math::Vector2i(20, 410));
  // Pressed directly: the open list holds the page's pointer capture until then.
  held->handleEvent(pointer(framework::InputEvent::BUTTON_DOWN, 20, 410));
  ASSERT_TRUE(dropDown->isOpen());
  ASSERT_EQ(held->state(), GUI::Button::DOWN);
  hovered->setState(GUI::Button::OVER);
  for (int i = 0; i < 60; ++i)
    frame();

  allocationCount = 0;
  allocationCounting = true;
  for (int i = 0; i < 120; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
}

// Editing fields with their cursors blinking, a framed button, a container
// playing a skeleton and a drag widget.
TEST_F(WidgetFrameAllocation, AFrameOfTextFieldsAndAnimatedWidgetsAllocatesNothing) {
  TestSkeletons skeletons{database};
  skeletons.add(L"spin", dictionaryOf(L"( root: ( name: n: animation: ( channels: ( rotation: "
                                      L"( loop: true: frames: [ ( time: 0 value: 0 ) ( time: 1 "
                                      L"value: 90 ) ] ) ) ) ) )"));
  page = shownPage();
  auto *entry = add<GUI::TextEntry>(L"( font: fontSystem: boxSize: [ 100 20 ] text: \"entry\" "
                                    L"selectAll: true: tooltip: \"tip\" position: [ 60 60 ] )");
  auto *box = add<GUI::TextBoxWidget>(
      L"( textBox: ( font: fontSystem: boxSize: [ 100 60 ] maxWidth: 40 style: underline: "
      L"maxLines: 3 text: \"some words\\nwrap\" ) position: [ 200 300 ] )");
  page->setKeyboardFocus(box);
  auto *button = new GUI::GeneralButton;
  button->setFrame(true);
  button->setLabel(String(L"Play"));
  button->setSubLabel(String(L"now"));
  button->labelFormat().setFont(Symbol::intern(L"fontSystem"));
  button->setState(GUI::Button::OVER);
  page->addChild(button);
  auto *animated = new GUI::AnimatedContainer;
  animated->addChild(new GUI::Spacer(math::Vector2(10, 10)));
  page->addChild(animated);
  animated->playAndHide(Symbol::intern(L"spin"), 0.01f);
  add<GUI::DragWidget>(L"( minX: 0 )");
  page->callNativeMethod(Symbol::intern(L"applyLayout"));
  framework::setPointerPosition(math::Vector2i(60, 60));
  for (int i = 0; i < 60; ++i)
    frame();

  allocationCount = 0;
  allocationCounting = true;
  for (int i = 0; i < 120; ++i)
    frame();
  allocationCounting = false;
  EXPECT_EQ(allocationCount, 0);
  EXPECT_TRUE(animated->visible());
  EXPECT_NE(entry->selectedText().length(), 0u);
}

} // namespace
