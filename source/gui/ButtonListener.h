#pragma once
// Told of a button's events, in the order listeners were added; composite
// widgets and pages hear their buttons through it.

namespace GUI {

class Button;

class ButtonListener {
public:
  virtual ~ButtonListener() = default;
  virtual void mouseOver(Button *) {}
  virtual void mouseOut(Button *) {}
  virtual void clicked(Button *) {}
  virtual void down(Button *) {}
};

} // namespace GUI
