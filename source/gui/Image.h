#pragma once
// A widget that shows one billboard, tinted by a colour and optionally
// snapped to whole pixels.

#include "gui/Widget.h"
#include "math/Color.h"

#include <memory>

class Billboard2D;

namespace GUI {

class Image : public Widget {
public:
  Image();
  ~Image() override;

  void touch() override;
  math::Rectangle localRectangle() const override;
  void serialize(file::ByteReceiver &out) const override;
  void deserialize(file::ByteProducer &in) override;
  void load(const quip::Dictionary &dictionary) override;
  void draw(video::Canvas &canvas) override;

  // Owned; the previous one is deleted.
  void setBillboard(Billboard2D *billboard);
  Billboard2D *billboard() const { return m_billboard.get(); }
  const math::Color &color() const { return m_color; }
  void setColor(const math::Color &color) { m_color = color; }
  bool snapTranslation() const { return m_snapTranslation; }
  void setSnapTranslation(bool snap) { m_snapTranslation = snap; }

private:
  std::unique_ptr<Billboard2D> m_billboard;
  math::Color m_color;
  bool m_snapTranslation = false;
};

} // namespace GUI
