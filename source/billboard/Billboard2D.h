#pragma once
// A billboard at a 2-D position, drawn by the canvas; the manager's
// prototypes are these.

#include "billboard/Billboard.h"

namespace math {
class Color;
}

class Billboard2D : public Billboard {
public:
  Billboard2D() = default;
  explicit Billboard2D(Texture *texture) : Billboard(texture) {}
  Billboard2D(Database *database, Symbol prototype) { setPrototype(database, prototype); }

  void copyFrom(const Billboard2D &other);
  using Billboard::copyFrom;

  // Nothing without a texture.
  void render(video::Canvas &canvas) override;
  void read(Database *database, const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  bool readField(Database *database, file::ByteProducer &in, unsigned code) override;
  void writeFields(Database *database, file::ByteReceiver &out) const override;

  math::Rectangle boundingRectangle() const;
  // The texture's pixel under a point, for pixel-exact hit tests.
  bool colorAt(const math::Vector2 &point, math::Color &out) const;
  // A horizontally stretched background: two caps of capWidth and a middle.
  static void drawThreeSlice(video::Canvas &canvas, Database *database, Symbol prototype,
                             float capWidth, float width, const math::Vector2 &position,
                             const math::Color &color);

  math::Vector2 position;
  bool placeholder = false;

protected:
  Billboard *makeReference(Database *database) const override;
};
