#pragma once
// One of a group of sibling widgets of which at most one is activated. It
// shows its up, highlight or down face by its state and reports clicks to
// its listeners. Not a button: it has no press and release cycle.

#include "container/Vector.h"
#include "gui/Faces.h"
#include "gui/Widget.h"
#include "quip/Array.h"
#include "xstring/String.h"

namespace GUI {

class RadioButtonListener;

class RadioButton : public Widget {
public:
  enum State { UP = 0, HIGHLIGHT = 1, DOWN = 2 };

  RadioButton();

  void update(float dt) override;
  bool isHighlighted() const override;
  math::Rectangle localRectangle() const override;
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  void serialize(file::ByteReceiver &out) const override;
  void deserialize(file::ByteProducer &in) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void drawOverlay(video::Canvas &canvas) override;
  void onChildRemoved(Widget *child) override;

  virtual void setState(int state);

  int state() const { return m_state; }
  bool activated() const { return m_activated != 0; }
  float hoverTime() const { return m_hoverTime; }
  // Activated and down; every sibling radio button deactivated.
  void activate();
  void deactivate();
  // onClick, activate, then the listeners.
  void click();

  void addListener(RadioButtonListener *listener) { m_listeners.push(listener); }
  void setOnClick(const quip::Array &code) { m_onClick = code; }
  const String &tooltip() const { return m_tooltip; }
  // Each replaces (and deletes) the face of its role and adopts the new one.
  void setUp(Widget *widget) { setFace(0, widget); }
  void setHighlight(Widget *widget) { setFace(1, widget); }
  void setDown(Widget *widget) { setFace(2, widget); }
  Widget *face(int state) const { return state < 3 ? m_faces.face(state) : nullptr; }

private:
  void setFace(int role, Widget *widget) { m_faces.set(*this, role, widget, m_state); }

  int m_state = UP;
  float m_hoverTime = 0;
  int m_activated = 0;
  quip::Array m_onClick;
  Faces m_faces;
  String m_tooltip;
  container::Vector<RadioButtonListener *> m_listeners;
};

} // namespace GUI
