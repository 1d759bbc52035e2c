#pragma once
// A button drawn from optional parts, each chosen per state (over, down,
// dimmed) where a variant is set: a bevelled frame, a billboard (plain or
// stretched), a skeleton, an icon, a label and a sub-label. The page
// builders configure it in code; without parts it draws nothing and has no
// size.

#include "billboard/Billboard2D.h"
#include "gui/Button.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "text/TextFormat.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <memory>

namespace animation {
class Skeleton;
}

namespace GUI {

class GeneralButton : public Button {
public:
  GeneralButton();
  ~GeneralButton() override;

  void update(float dt) override;
  void draw(video::Canvas &canvas) override;
  void touch() override;
  // The union of the parts present.
  math::Rectangle localRectangle() const override;

  // The state is a button state: 0 for the base, then the over, down and
  // dimmed variants; an empty name clears the variant.
  void setBillboard(int state, Symbol name);
  Symbol billboard(int state) const { return m_billboardNames[state]; }
  void setSkeleton(int state, Symbol name) { m_skeletons[state] = name; }
  Symbol skeleton(int state) const { return m_skeletons[state]; }
  void setIcon(Symbol name);
  Symbol icon() const { return m_iconName; }

  void setFrame(bool frame) { m_frame = frame; }
  void setFrameSize(math::Vector2 size) { m_frameSize = size; }
  math::Vector2 frameSize() const { return m_frameSize; }
  void setBillboardColor(const math::Color &color) { m_billboardColor = color; }
  void setBillboardScale(math::Vector2 scale) { m_billboardScale = scale; }
  // Drawn three-sliced across max(width, 2 capSize).
  void setStretched(bool stretched, float width, float capSize) {
    m_stretched = stretched;
    m_stretchWidth = width;
    m_capSize = capSize;
  }
  void setIconColor(const math::Color &color) { m_iconColor = color; }
  void setLabel(const String &label) { m_label = label; }
  const String &label() const { return m_label; }
  void setSubLabel(const String &subLabel) { m_subLabel = subLabel; }
  const String &subLabel() const { return m_subLabel; }
  text::TextFormat &labelFormat() { return m_labelFormat; }
  text::TextFormat &subLabelFormat() { return m_subLabelFormat; }
  void setDownTextColor(const math::Color &color) { m_downTextColor = color; }
  void setTextOffset(math::Vector2 offset) { m_textOffset = offset; }
  float skeletonTime() const { return m_skeletonTime; }

private:
  // The state's variant index when that variant is set, else 0.
  int variant(const Symbol *names) const;
  animation::Skeleton *stateSkeleton() const;
  void drawText(video::Canvas &canvas, text::TextFormat &format, const String &text,
                math::Vector2 at);

  bool m_frame = false;
  math::Vector2 m_frameSize{80.0f, 18.0f};
  Symbol m_billboardNames[4];
  std::unique_ptr<Billboard2D> m_billboards[4];
  math::Color m_billboardColor;
  math::Vector2 m_billboardScale{1.0f, 1.0f};
  bool m_stretched = false;
  float m_stretchWidth = 0;
  float m_capSize = 0;
  Symbol m_skeletons[4];
  float m_skeletonTime = 0;
  Symbol m_iconName;
  std::unique_ptr<Billboard2D> m_icon;
  math::Color m_iconColor;
  String m_label;
  String m_subLabel;
  text::TextFormat m_labelFormat;
  text::TextFormat m_subLabelFormat;
  math::Color m_downTextColor;
  math::Vector2 m_textOffset;
};

} // namespace GUI
