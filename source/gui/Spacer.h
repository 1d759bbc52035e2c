#pragma once
// An empty widget of a given size that reserves room in a layout.

#include "gui/Widget.h"
#include "math/Vector2.h"

namespace GUI {

class Spacer : public Widget {
public:
  Spacer() = default;
  explicit Spacer(math::Vector2 size) : m_size(size) {}

  // Centred on the spacer, or with its corner at the origin.
  math::Rectangle localRectangle() const override { return math::Rectangle(m_size, m_centered); }
  void load(const quip::Dictionary &dictionary) override;

  math::Vector2 size() const { return m_size; }
  void setSize(math::Vector2 size) { m_size = size; }
  void setCentered(bool centered) { m_centered = centered; }

private:
  math::Vector2 m_size;
  bool m_centered = true;
};

} // namespace GUI
