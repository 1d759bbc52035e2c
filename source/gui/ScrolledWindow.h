#pragma once
// Shows a contents widget through a window of fixed size. Contents larger
// than the window bring a horizontal and/or a vertical slider along the
// bottom and right edges; the sliders' percents place the contents, the
// children's drawing is clipped to the window, and descendants may ask it
// to scroll by an offset or to bring a rectangle into view.

#include "container/Vector.h"
#include "gui/ClipViewport.h"
#include "gui/SliderListener.h"
#include "gui/Widget.h"
#include "math/Color.h"
#include "math/Vector2.h"

namespace GUI {

class ScrolledWindow;
class Slider;

// Told after a scroll that asks for notification.
class ScrollListener {
public:
  virtual ~ScrollListener() = default;
  virtual void scrolled(ScrolledWindow *) {}
};

class ScrolledWindow : public Widget, public SliderListener {
public:
  // Where the contents sit on an axis without a slider.
  enum Align { LEFT = 0, RIGHT = 1, TOP = 2, BOTTOM = 3, CENTER = 4, NONE = 5 };

  // Owns both sliders, the first made horizontal and the second vertical.
  ScrolledWindow(Slider *horizontal, Slider *vertical);

  void update(float dt) override;
  math::Rectangle localRectangle() const override { return math::Rectangle(m_size, true); }
  // Narrowed to the window when it clips.
  math::Rectangle clipRectangle() const override;
  void requestLayout() override;
  void onLayoutApplied() override;
  Widget *scrollIntoView(const math::Rectangle &rectangle, bool horizontal, bool vertical) override;
  Widget *scrollBy(math::Vector2 offset) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void draw(video::Canvas &canvas) override;
  void drawAfterChildren(video::Canvas &canvas) override;
  void sliderMoved(Slider *slider) override;
  void pageBack(Slider *slider) override;
  void pageForward(Slider *slider) override;

  // The percent clamped to [0, 1] on each axis, and the contents placed
  // for it; then, as asked, the sliders set and the listeners told.
  void setScroll(math::Vector2 percent, bool updateSliders, bool notify);
  // Which sliders show, each axis's visible share, and where the contents
  // sit on an axis without a slider.
  void decideSliders();
  void placeSliders();
  // The part of the window the contents show through, in its coordinates.
  math::Rectangle view() const;

  void setSize(math::Vector2 size);
  math::Vector2 size() const { return m_size; }
  math::Vector2 percent() const { return m_percent; }
  void addToContents(Widget *widget);
  // Deletes it.
  void removeFromContents(Widget *widget);
  void addScrollListener(ScrollListener *listener) { m_scrollListeners.push(listener); }
  Widget *contents() const { return m_contents; }
  Slider *horizontalSlider() const { return m_horizontalSlider; }
  Slider *verticalSlider() const { return m_verticalSlider; }
  void setColors(const math::Color &color, const math::Color &borderColor);
  void setEnableSliders(bool horizontal, bool vertical);
  void setAlign(int horizontal, int vertical);
  void setUseScissor(bool use) { m_useScissor = use; }

private:
  // The page size on the slider's axis: the view over the contents.
  float pageOf(const Slider *slider) const;
  void page(Slider *slider, float direction);
  void setSlidersToPercent();

  container::Vector<ScrollListener *> m_scrollListeners;
  math::Vector2 m_percent;
  math::Vector2 m_size;
  Slider *m_horizontalSlider;
  Slider *m_verticalSlider;
  bool m_enableSliderH = true;
  bool m_enableSliderV = true;
  Widget *m_contents;
  math::Color m_color;
  math::Color m_borderColor{0.7f, 0.7f, 0.7f, 1.0f};
  int m_alignH = LEFT;
  int m_alignV = TOP;
  bool m_useScissor = true;
  ClipViewport m_viewport;
};

} // namespace GUI
