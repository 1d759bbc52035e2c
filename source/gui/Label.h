#pragma once
// A widget that shows one formatted text at its origin. Most of its keys set
// the text's format; an "action" steers the format's layout animation.

#include "gui/Widget.h"
#include "text/FormattedText.h"

namespace GUI {

class Label : public Widget {
public:
  void update(float dt) override;
  void touch() override;
  math::Rectangle localRectangle() const override;
  bool callNativeMethod(Symbol method) override;
  void serialize(file::ByteReceiver &out) const override;
  void deserialize(file::ByteProducer &in) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void draw(video::Canvas &canvas) override;

  text::FormattedText &text() { return m_text; }
  const text::FormattedText &text() const { return m_text; }
  void setText(const String &text) { m_text.setText(text); }

  // A call on the format's layout animation, by name: true when known.
  // Nothing happens without a layout animation.
  bool layoutAnimationAction(Symbol method, float time);

private:
  text::FormattedText m_text;
};

} // namespace GUI
