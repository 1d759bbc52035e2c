#pragma once
// Draws by running its script code, to its end, every time it is drawn.

#include "gui/Widget.h"
#include "quip/Array.h"

namespace GUI {

class DrawWidget : public Widget {
public:
  DrawWidget() : m_onDraw(0) {}

  void load(const quip::Dictionary &dictionary) override;
  void draw(video::Canvas &canvas) override;

  void setOnDraw(const quip::Array &code) { m_onDraw = code; }

private:
  quip::Array m_onDraw;
};

} // namespace GUI
