#pragma once
// Told when a slider's handle moves and when its track is clicked before or
// after the handle.

namespace GUI {

class Slider;

class SliderListener {
public:
  virtual ~SliderListener() = default;
  virtual void sliderMoved(Slider *) {}
  virtual void pageBack(Slider *) {}
  virtual void pageForward(Slider *) {}
};

} // namespace GUI
