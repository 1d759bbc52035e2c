#pragma once
// The look and flight of a kind of drop, filed by name in the drop factory:
// how long it lives, whether it waits, flies or orbits, and what it shows (a
// billboard, a skeleton, a text, a particle system), animated and swung by
// oscillators, with a script channel run as it ages. Any part may be absent.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Vector2.h"
#include "xstring/Symbol.h"

class Billboard2D;
class Database;
class Drop;
class OscillatorDefinition;
class ParticleSystemDefinition;
namespace animation {
class AnimationDefinition;
class Skeleton;
} // namespace animation
namespace quip {
class Dictionary;
class ScriptFrameTrack;
} // namespace quip
namespace text {
class FormattedText;
}

class DropDefinition : private NonCopyable {
public:
  DropDefinition() = default;
  ~DropDefinition();

  // Each key where present. "oscillator" as a dictionary switches one
  // oscillator on, read from this definition's own dictionary (its keys
  // stand beside the drop's; "lifespan" serves both).
  void read(Database *database, const quip::Dictionary &dictionary);
  // A new drop of this definition at the point; the caller owns it.
  Drop *instantiate(const math::Vector2 &position);

  // Each deletes what it replaces.
  void setBillboard(Billboard2D *billboard);
  void setFormattedText(text::FormattedText *formattedText);
  void setAnimation(animation::AnimationDefinition *animation);
  void setScriptChannel(quip::ScriptFrameTrack *scriptChannel);
  // Takes the oscillator over.
  void addOscillator(OscillatorDefinition *oscillator) { m_oscillators.push(oscillator); }

  Billboard2D *billboard() const { return m_billboard; }
  text::FormattedText *formattedText() const { return m_formattedText; }
  animation::AnimationDefinition *animation() const { return m_animation; }
  quip::ScriptFrameTrack *scriptChannel() const { return m_scriptChannel; }
  const container::Vector<OscillatorDefinition *> &oscillators() const { return m_oscillators; }

  Symbol name;
  // Negative: the drop never finishes.
  float lifespan = 0.0f;
  // Degrees per second about the center; 0 flies from start to target.
  float rotation = 0.0f;
  float delay = 0.0f;
  bool alignToVelocity = false;
  math::Vector2 center{320.0f, 240.0f};
  // The store's and the factory's; not owned.
  animation::Skeleton *skeleton = nullptr;
  ParticleSystemDefinition *particleSystem = nullptr;

private:
  Billboard2D *m_billboard = nullptr;
  container::Vector<OscillatorDefinition *> m_oscillators;
  text::FormattedText *m_formattedText = nullptr;
  animation::AnimationDefinition *m_animation = nullptr;
  quip::ScriptFrameTrack *m_scriptChannel = nullptr;
};
