#pragma once
// A widget that shows rich-text mark-up wrapped to a width, placed against
// its laid-out area by its own horizontal and vertical alignment.

#include "gui/Widget.h"
#include "text/RichText.h"

namespace GUI {

class RichTextWidget : public Widget {
public:
  enum Align { LEFT = 0, RIGHT = 1, CENTER = 2 };
  enum VAlign { TOP = 0, BOTTOM = 1, MIDDLE = 2 };

  void update(float dt) override;
  void touch() override;
  math::Rectangle localRectangle() const override;
  void serialize(file::ByteReceiver &out) const override;
  void deserialize(file::ByteProducer &in) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void draw(video::Canvas &canvas) override;

  text::RichText &richText() { return m_richText; }
  int align() const { return m_align; }
  int valign() const { return m_valign; }
  void setAlign(int align, int valign) {
    m_align = align;
    m_valign = valign;
  }

private:
  text::RichText m_richText;
  int m_align = LEFT;
  int m_valign = TOP;
};

} // namespace GUI
