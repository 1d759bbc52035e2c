#pragma once
// Shows a named skeleton of the asset database, posed at the widget's
// animation time plus an offset, turned, scaled and tinted. Its hit test
// follows the skeleton's drawn parts.

#include "gui/Widget.h"
#include "math/Color.h"

namespace animation {
class Skeleton;
}

namespace GUI {

class SkeletonWidget : public Widget {
public:
  void update(float dt) override;
  void touch() override;
  // The skeleton's stored bounds; empty without a skeleton.
  math::Rectangle localRectangle() const override;
  bool containsPoint(math::Vector2 screen) const override;
  void serialize(file::ByteReceiver &out) const override;
  void deserialize(file::ByteProducer &in) override;
  void load(const quip::Dictionary &dictionary) override;
  void draw(video::Canvas &canvas) override;

  // A new name restarts the clock.
  void setSkeleton(Symbol name);
  Symbol skeletonName() const { return m_skeleton; }
  bool hasSkeleton() const { return !(m_skeleton == Symbol::emptySymbol()); }
  // The store's skeleton of the name (a placeholder when it has none); null
  // without a name or a store.
  animation::Skeleton *skeleton() const;
  // Restarts the clock.
  void setAnimate(bool animate);
  bool animate() const { return m_animate; }
  // Between 0 and the skeleton's whole animation, from the global stream.
  void selectRandomAnimationTime();

  float animationTime() const { return m_animationTime; }
  void setAnimationTime(float time) { m_animationTime = time; }
  float animationOffset() const { return m_animationOffset; }
  void setAnimationOffset(float offset) { m_animationOffset = offset; }
  math::Vector2 scale() const { return m_scale; }
  void setScale(math::Vector2 scale) { m_scale = scale; }
  float rotation() const { return m_rotation; }
  void setRotation(float degrees) { m_rotation = degrees; }
  const math::Color &color() const { return m_color; }
  void setColor(const math::Color &color) { m_color = color; }
  // The age the skeleton is posed at, for drawing and for hit tests alike.
  float poseAge() const { return m_animationTime + m_animationOffset; }

private:
  Symbol m_skeleton;
  bool m_animate = false;
  float m_animationTime = 0;
  float m_animationOffset = 0;
  math::Vector2 m_scale{1.0f, 1.0f};
  float m_rotation = 0;
  math::Color m_color;
};

} // namespace GUI
