#pragma once
// The clickable widget: an interaction state (idle, over, down, dimmed),
// four script handlers with a sound each, repetition of "down" while held, a
// keyboard accelerator, a tooltip and listeners told of every event. It draws
// nothing itself: its look comes from its children or a derived kind.

#include "container/Vector.h"
#include "gui/Accelerator.h"
#include "gui/Widget.h"
#include "quip/Array.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <memory>

namespace GUI {

class ButtonListener;

class Button : public Widget {
public:
  enum State { IDLE = 0, OVER = 1, DOWN = 2, DIMMED = 3 };
  enum PressMode { RELEASED = 0, PRESSED = 1, DIMMED_MODE = 2 };

  Button();
  ~Button() override;

  void update(float dt) override;
  bool isHighlighted() const override;
  void refreshPointerState() override;
  void resetPointerState() override;
  void setVisible(bool visible) override;
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerUp(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  bool onKeyPress(const framework::InputEvent &event) override;
  bool onKeyRelease(const framework::InputEvent &event) override;
  void load(const quip::Dictionary &dictionary) override;
  void drawOverlay(video::Canvas &canvas) override;

  virtual void setState(int state);
  virtual void click();
  virtual void mouseOver();
  virtual void mouseOut();
  virtual void down(bool first);

  int state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  int pressMode() const { return m_pressMode; }
  bool dimmed() const { return m_pressMode == DIMMED_MODE; }
  void setDimmed(bool dimmed);

  void addListener(ButtonListener *listener) { m_listeners.push(listener); }
  Accelerator *accelerator() const { return m_accelerator.get(); }
  // Owned; the previous one is deleted.
  void setAccelerator(Accelerator *accelerator) { m_accelerator.reset(accelerator); }
  const String &tooltip() const { return m_tooltip; }
  void setTooltip(const String &tooltip) { m_tooltip = tooltip; }
  // The tooltip, then the accelerator in brackets.
  String tooltipText() const;
  void appendTooltipText(String &text) const;

  void setOnMouseOver(const quip::Array &code) { m_onMouseOver = code; }
  void setOnMouseOut(const quip::Array &code) { m_onMouseOut = code; }
  void setOnDown(const quip::Array &code) { m_onDown = code; }
  void setOnClick(const quip::Array &code) { m_onClick = code; }
  void setRepeatDelays(float first, float repeat) {
    m_onDownFirstDelay = first;
    m_onDownRepeatDelay = repeat;
  }
  void setSounds(Symbol over, Symbol out, Symbol down, Symbol click) {
    m_soundMouseOver = over;
    m_soundMouseOut = out;
    m_soundDown = down;
    m_soundClick = click;
  }

protected:
  // The button's own keys, read after the widget base's (and, in kinds that
  // read their own first, after those).
  void loadButtonKeys(const quip::Dictionary &dictionary);
  // Runs a handler to its end under its key's name.
  void runHandler(Symbol name, const quip::Array &code);

private:
  enum Event { EVENT_OVER, EVENT_OUT, EVENT_CLICK, EVENT_DOWN };
  void tell(Event event);
  void fire(Symbol name, const quip::Array &code, Symbol sound, Event event);
  void pointAt(math::Vector2 screen, int onState);

  int m_state = IDLE;
  float m_stateTime = 0;
  int m_pressMode = RELEASED;
  quip::Array m_onMouseOver;
  quip::Array m_onMouseOut;
  quip::Array m_onDown;
  quip::Array m_onClick;
  float m_onDownFirstDelay = 0.3f;
  float m_onDownRepeatDelay = 0.1f;
  float m_repeatCountdown = 0;
  Symbol m_soundMouseOver;
  Symbol m_soundMouseOut;
  Symbol m_soundDown;
  Symbol m_soundClick;
  container::Vector<ButtonListener *> m_listeners;
  String m_tooltip;
  std::unique_ptr<Accelerator> m_accelerator;
};

} // namespace GUI
