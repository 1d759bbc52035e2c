#pragma once
// A scrolling list of text lines in a fixed window with a vertical slider.
// One line can be selected by pointer, by the arrow and page keys or by
// typing the first letters of a line; script code runs when the selection
// changes or a line is double-clicked.

#include "container/Vector.h"
#include "gui/SliderListener.h"
#include "gui/Widget.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "quip/Array.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace GUI {

class MultiLineListener;
class Slider;

class MultiLine : public Widget, public SliderListener {
public:
  enum Align : uint32_t { LEFT = 0, RIGHT = 1, CENTER = 2 };

  MultiLine();

  // The slider's notifications.
  void sliderMoved(Slider *slider) override;
  void pageBack(Slider *slider) override;
  void pageForward(Slider *slider) override;

  void update(float dt) override;
  // The window grown by 1 on every side.
  math::Rectangle localRectangle() const override;
  bool onKeyPress(const framework::InputEvent &event) override;
  bool onPointerDown(const framework::InputEvent &event) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void draw(video::Canvas &canvas) override;

  // A line of the contents runs onSelect; anything else (-1, past the last
  // line, an unselectable or empty list) selects none and runs onDeselect.
  // The listeners are told either way.
  void select(int index);
  void clear();
  // Keeps the selected index (or the last line) when selectable.
  void setContents(const quip::Array &lines);
  void setContents(const container::Vector<String> &lines,
                   const container::Vector<math::Color> *colors = nullptr);
  void setContents(const container::Vector<Symbol> &lines);
  void setPercent(float percent);
  // Scrolls just far enough to show the selected line.
  void scrollToSelection();
  void pageUp();
  void pageDown();
  // The line sharing the longest prefix with the text, in either case; the
  // first on ties. False when no line shares a first letter.
  bool selectByPrefix(const String &text);

  void addListener(MultiLineListener *listener) { m_listeners.push(listener); }
  void removeListener(MultiLineListener *listener);

  // Whole lines the window shows; none without contents or line step.
  uint32_t visibleCount() const;
  uint32_t scrollable() const;
  float visibleFraction() const;
  float scrollOffset() const;
  math::Rectangle lineRectangle(uint32_t index) const;
  math::Rectangle windowRectangle() const;

  float percent() const { return m_percent; }
  float itemOffset() const { return m_itemOffset; }
  void setItemOffset(float offset) { m_itemOffset = offset; }
  math::Vector2 windowSize() const { return m_windowSize; }
  void setWindowSize(math::Vector2 size);
  int selection() const { return m_selection; }
  bool selectable() const { return m_selectable; }
  void setSelectable(bool selectable) { m_selectable = selectable; }
  uint32_t align() const { return m_align; }
  uint32_t count() const { return m_contents.size(); }
  const String &line(uint32_t index) const { return m_contents[index]; }
  const String &typed() const { return m_typed; }
  Slider *slider() const { return m_slider; }

private:
  void runNow(const quip::Array &code);
  void refreshSlider();
  // After new lines: the old selected index, or the last line, again.
  void reselect(int oldSelection);
  bool typeKey(int32_t key, uint32_t modifiers);

  float m_percent = 0;
  float m_itemOffset = -20.0f;
  math::Vector2 m_windowSize;
  int m_selection = -1;
  bool m_selectable = true;
  quip::Array m_onSelect;
  quip::Array m_onDeselect;
  quip::Array m_onDoubleClick;
  String m_typed;
  float m_typedTimer = 0;
  container::Vector<String> m_contents;
  container::Vector<math::Color> m_colors;
  Slider *m_slider;
  uint32_t m_align = CENTER;
  container::Vector<MultiLineListener *> m_listeners;
};

} // namespace GUI
