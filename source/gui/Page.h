#pragma once
// The root of a widget tree and the unit the game shows and hides. A page
// lives on a named layer, runs a timed life cycle (enter, active, exit,
// inactive), owns its widgets' keyboard focus and pointer capture, and may be
// modal or a drop-down that closes when pressed outside.

#include "container/Vector.h"
#include "gui/Widget.h"
#include "quip/Array.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace GUI {

// What happens on entering one state.
struct PageTransition {
  // Negative: the state never ends by itself.
  float duration = 0;
  quip::Array code{0};
  Symbol sound;
};

class Page : public Widget {
public:
  enum State : uint32_t { ENTER = 0, ACTIVE = 1, EXIT = 2, INACTIVE = 3 };

  Page();
  ~Page() override;

  void update(float dt) override;
  void render(video::Canvas &canvas) override;
  bool isFinished() const override { return Widget::isFinished(); }
  void onEnter() override;
  bool hasPage() const override { return true; }
  Page *page() const override { return const_cast<Page *>(this); }
  Widget *findWidget(Symbol name) override;
  bool handleEvent(const framework::InputEvent &event) override;
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerUp(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  bool onCharacter(const framework::InputEvent &event) override;
  bool onKeyPress(const framework::InputEvent &event) override;
  bool onKeyRelease(const framework::InputEvent &event) override;
  void serialize(file::ByteReceiver &out) const override;
  void deserialize(file::ByteProducer &in) override;
  void load(const quip::Dictionary &dictionary) override;
  // Run by onEnter after the children's; for pages that refresh on entry.
  virtual void afterEnter() {}

  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  void setState(int state);
  void enter();
  void exit();
  PageTransition &stateTransition(int state) { return m_transitions[state]; }
  PageTransition &transition() { return m_transitions[m_state]; }

  Symbol layerName() const { return m_layerName; }
  void setLayerName(Symbol name) { m_layerName = name; }
  bool modal() const { return m_modal; }
  void setModal(bool modal) { m_modal = modal; }
  bool dropDown() const { return m_dropDown; }
  void setDropDown(bool dropDown) { m_dropDown = dropDown; }

  Widget *pointerCapture() const { return m_pointerCapture; }
  Widget *keyboardFocus() const { return m_keyboardFocus; }
  Widget *defaultWidget() const { return m_defaultWidget; }
  void capturePointer(Widget *widget);
  void releasePointer(Widget *widget);
  void releaseKeyboardFocus(Widget *widget);
  void setKeyboardFocus(Widget *widget);
  void setDefaultWidget(Widget *widget) { m_defaultWidget = widget; }
  void addFocusable(Widget *widget) { m_focusList.push(widget); }
  const container::Vector<Widget *> &focusList() const { return m_focusList; }
  bool cycleFocus(bool backwards);

  // Runs the "value" code that the widget writes, with the arguments on the
  // stack (the first on top); false, after a report, when there is none.
  bool callMethod(Symbol widgetName, const quip::Array &arguments);
  void attachToLayer();
  void placeOnScreen();

private:
  void runTransition(uint32_t state);
  bool handleKey(const framework::InputEvent &event, bool press);

  uint32_t m_state = INACTIVE;
  float m_stateTime = 0;
  Symbol m_layerName;
  PageTransition m_transitions[4];
  Widget *m_pointerCapture = nullptr;
  Widget *m_keyboardFocus = nullptr;
  Widget *m_defaultWidget = nullptr;
  bool m_modal = false;
  bool m_dropDown = false;
  container::Vector<Widget *> m_focusList;
};

} // namespace GUI
