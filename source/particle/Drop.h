#pragma once
// A live drop: a short-lived visual at a point of the screen (or of the
// world) that flies from its start to a target, or orbits a centre, shows
// its definition's content and finishes at its lifespan, after which the
// render group holding it deletes it.

#include "file/NonCopyable.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "video/Renderable.h"

class DropDefinition;
class ParticleSystem;
namespace text {
class FormattedText;
}

class Drop : public video::RenderableObject, private NonCopyable {
public:
  // How p, the share of the flight, is eased.
  enum Tween { TWEEN_NONE, TWEEN_LINEAR, TWEEN_EASE_IN_OUT, TWEEN_EASE_IN, TWEEN_EASE_OUT };

  // At the point: its own particle system and copy of the text when the
  // definition has them.
  Drop(DropDefinition *definition, const math::Vector2 &position);
  ~Drop() override;

  // Ages, finishes past the lifespan, moves after the delay, runs the
  // particle system, the text and the script channel. Nothing while
  // inactive.
  void update(float dt) override;
  // The content at the screen point, animated, swung and coloured; the
  // particle system outside the drop's own transform. Nothing while
  // inactive.
  void render(video::Canvas &canvas) override;

  // The age and the script channel's time.
  void setAge(float age);
  float age() const { return m_age; }
  // The position, through the view transform when in world space.
  math::Vector2 screenPoint() const;

  DropDefinition *definition() const { return m_definition; }
  ParticleSystem *particleSystem() const { return m_particleSystem; }
  // Callers change its content; null when the definition has no text.
  text::FormattedText *text() const { return m_text; }

  bool active = true;
  bool finishAtLifespan = true;
  math::Vector2 start;
  math::Vector2 target;
  int tween = TWEEN_LINEAR;
  math::Vector2 position;
  math::Vector2 center;
  // Multiplies everything the drop draws.
  math::Color color;
  bool inWorldSpace = false;

private:
  void move();

  DropDefinition *m_definition;
  float m_age = 0.0f;
  float m_scriptTime = 0.0f;
  ParticleSystem *m_particleSystem = nullptr;
  text::FormattedText *m_text = nullptr;
};
