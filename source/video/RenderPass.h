#pragma once
// How one drawable is drawn: texture, blending, texture style, colour,
// lighting, culling, depth and alpha settings and an optional texture
// animation. Drawables own their passes and hand them to the canvas; scripts
// describe them as dictionaries, terrain caches store them as binary records.

#include "math/Color.h"
#include "video/AnimationState.h"
#include "video/RenderKeywords.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Texture;
class Database;
namespace animation {
class AnimationDefinition;
}
namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace video {

class Canvas;

class RenderPass {
public:
  RenderPass() = default;
  // The copy owns its own copy of the texture animation.
  RenderPass(const RenderPass &other);
  RenderPass &operator=(const RenderPass &other);
  ~RenderPass();

  void setDefaults();
  // Stores the time and evaluates the texture animation at it.
  void setTime(float seconds);
  void advanceTime(float dt) { setTime(time + dt); }
  // Takes ownership; the old animation is deleted.
  void setTextureAnimation(animation::AnimationDefinition *animation);
  animation::AnimationDefinition *textureAnimation() const { return m_textureAnimation; }
  // The empty name clears the texture.
  void setTextureByName(const Database &database, Symbol name);

  bool drawsOpaque() const;
  bool needsBlending() const;
  // Every field but the time.
  bool operator==(const RenderPass &other) const;
  bool operator!=(const RenderPass &other) const { return !(*this == other); }

  // Missing keys leave their fields unchanged; so does a compare keyword
  // that is not in its table.
  void read(const Database &database, const quip::Dictionary &dictionary);
  // Only what differs from the defaults.
  void write(quip::Dictionary &dictionary) const;
  // False, with the pass unchanged, for a truncated record or one whose
  // texture animation cannot be read.
  bool readBinary(const Database &database, file::ByteProducer &in);
  void writeBinary(file::ByteReceiver &out) const;

  void apply(Canvas &canvas);
  void release(Canvas &canvas);

  float time = 0.0f;
  Texture *texture = nullptr;
  int blend = BLEND_NORMAL;
  int blendBehavior = ENABLE_DEFAULT;
  uint32_t textureStyle = textureStyle::NORMAL;
  math::Color color;
  bool lit = true;
  bool cull = true;
  bool depthTest = true;
  bool depthWrite = true;
  int depthFunction = COMPARE_LESS_OR_EQUAL;
  bool alphaTest = false;
  int alphaFunction = COMPARE_ALWAYS;
  float alphaReference = 0.0f;
  animation::AnimationState animationState;

private:
  animation::AnimationDefinition *m_textureAnimation = nullptr;
};

} // namespace video
