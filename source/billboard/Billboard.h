#pragma once
// The engine's sprite: a textured, coloured rectangle with its part of the
// texture, size, origin, colour, scale, rotation, blending and flips. Read
// from and written to dictionaries, and to compact binary records that keep
// only what differs from the billboard's prototype.

#include "math/Color.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "video/BillboardQuad.h"
#include "video/RenderKeywords.h"
#include "video/Renderable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
class Texture;
namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Billboard : public video::Renderable {
public:
  enum Flip : unsigned { FLIP_HORIZONTAL = 1, FLIP_VERTICAL = 2 };

  Billboard() = default;
  // The texture reset with that texture.
  explicit Billboard(Texture *texture);

  void render(video::Canvas &canvas) override = 0;

  // The prototype's look (a placeholder for an unlisted name), then its name.
  void setPrototype(Database *database, Symbol name);
  void copyFrom(const Billboard &other);

  Symbol prototype() const { return m_prototype; }
  Texture *texture() const { return m_texture; }
  void setTexture(Texture *texture) { m_texture = texture; }
  // Full texture coordinates, the texture's size, scale (1, 1).
  void resetToTexture();
  void setBlend(int blend) { m_blend = blend; }
  void setBlendBehavior(int behavior) { m_blendBehavior = behavior; }
  void flip(unsigned mask) { m_flip ^= mask; }
  unsigned flipFlags() const { return m_flip; }
  static unsigned parseFlip(const String &text);
  static String flipText(unsigned flip);

  // Pixel rectangle of the texture. A texture that lists no size and has
  // not loaded its image yet keeps the rectangle until its width is known.
  void setSubRect(int x0, int x1, int y0, int y1);
  // Applies what waited for the image's width, when it is known now.
  void settle();

  // Flipped when not centred.
  math::Vector2 origin() const;
  void getTexCoords(math::Vector2 out[4]) const;
  math::Rectangle localRectangle() const;
  bool isOpaque() const;
  bool needsBlending() const;
  // The canvas's description, with the flips applied.
  void describe(video::BillboardQuad &out) const;

  virtual void read(Database *database, const quip::Dictionary &dictionary);
  virtual void write(quip::Dictionary &dictionary) const;
  // False, with an error reported, for a truncated record or one holding a
  // code this billboard does not know; the record ends there.
  bool readBinary(Database *database, file::ByteProducer &in);
  void writeBinary(Database *database, file::ByteReceiver &out) const;
  // A derived class's own codes: false for a code it does not know.
  virtual bool readField(Database *database, file::ByteProducer &in, unsigned code) = 0;
  virtual void writeFields(Database *database, file::ByteReceiver &out) const = 0;

  // The side length of the texture's current frame: its listed size, else
  // its image's width once the image is loaded, else 0.
  static float textureSide(Texture *texture);

  math::Vector2 size;
  math::Color initialColor;
  math::Vector2 initialScale{1.0f, 1.0f};
  float initialRotation = 0.0f;
  math::Vector2 texCoords[4];
  bool centered = true;
  math::Vector2 storedOrigin;

  int blend() const { return m_blend; }
  int blendBehavior() const { return m_blendBehavior; }
  uint32_t textureStyle() const { return m_textureStyle; }

protected:
  // The reference a binary record is written against.
  virtual Billboard *makeReference(Database *database) const = 0;
  void writeBaseFields(const Billboard &reference, file::ByteReceiver &out) const;

  Symbol m_prototype;
  Texture *m_texture = nullptr;
  int m_blend = video::BLEND_NORMAL;
  int m_blendBehavior = video::ENABLE_DEFAULT;
  uint32_t m_textureStyle = video::textureStyle::NORMAL;
  unsigned m_flip = 0;
  // What waits for the texture's width: 1 a sub-rectangle, 2 the size.
  uint8_t m_pending = 0;
  int m_pendingRect[4] = {};
};
