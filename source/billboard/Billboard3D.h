#pragma once
// A billboard placed in the 3-D scene: in the x-y plane, in the x-z plane or
// facing the camera, with its own alpha-test and depth settings. Its look
// comes from a 2-D prototype; the 3-D settings never do.

#include "billboard/Billboard.h"
#include "math/Vector3.h"

class Billboard3D : public Billboard {
public:
  Billboard3D() = default;
  explicit Billboard3D(Texture *texture) : Billboard(texture) {}
  Billboard3D(Database *database, Symbol prototype) { setPrototype(database, prototype); }

  void copyFrom(const Billboard3D &other);
  using Billboard::copyFrom;

  // Nothing without a texture.
  void render(video::Canvas &canvas) override;
  void read(Database *database, const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  bool readField(Database *database, file::ByteProducer &in, unsigned code) override;
  void writeFields(Database *database, file::ByteReceiver &out) const override;
  // The canvas's description with the position and the 3-D settings.
  void describe3D(video::BillboardQuad &out) const;

  math::Vector3 position;
  bool alphaTest = false;
  int alphaFunction = video::COMPARE_ALWAYS;
  float alphaReference = 0.0f;
  bool depthTest = false;
  bool depthWrite = false;
  int alignment = video::ALIGN_XY;

protected:
  Billboard *makeReference(Database *database) const override;
};
