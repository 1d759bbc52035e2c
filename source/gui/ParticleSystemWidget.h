#pragma once
// Shows a particle system of the asset database at the widget, scaled.

#include "gui/Widget.h"
#include "math/Vector2.h"

class ParticleSystem;

namespace GUI {

class ParticleSystemWidget : public Widget {
public:
  ~ParticleSystemWidget() override;

  // Particles fly outside the widget's box.
  bool isCullable() const override { return false; }
  void update(float dt) override;
  void draw(video::Canvas &canvas) override;
  // Loads each emitter's texture, then the children's.
  void touch() override;
  // "database", "particleSystem", "animate", "scale".
  void load(const quip::Dictionary &dictionary) override;

  // Owned; the old one is deleted.
  void setParticleSystem(ParticleSystem *system);
  ParticleSystem *particleSystem() const { return m_particleSystem; }
  bool animate() const { return m_animate; }
  void setAnimate(bool animate) { m_animate = animate; }
  math::Vector2 scale() const { return m_scale; }

private:
  ParticleSystem *m_particleSystem = nullptr;
  bool m_animate = true;
  math::Vector2 m_scale{1.0f, 1.0f};
};

} // namespace GUI
