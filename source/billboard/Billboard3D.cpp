#include "billboard/Billboard3D.h"

#include "billboard/BillboardKeys.h"
#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "quip/Token.h"
#include "video/Canvas.h"

void Billboard3D::copyFrom(const Billboard3D &o) {
  Billboard::copyFrom(o);
  position = o.position;
  alphaTest = o.alphaTest;
  alphaFunction = o.alphaFunction;
  alphaReference = o.alphaReference;
  depthTest = o.depthTest;
  depthWrite = o.depthWrite;
  alignment = o.alignment;
}

void Billboard3D::describe3D(video::BillboardQuad &out) const {
  describe(out);
  out.position = position;
  out.alignment = alignment;
  out.depthTest = depthTest;
  out.depthWrite = depthWrite;
  out.alphaTest = alphaTest;
  out.alphaFunction = alphaFunction;
  out.alphaReference = alphaReference;
}

void Billboard3D::render(video::Canvas &canvas) {
  if (!m_texture)
    return;
  settle();
  video::BillboardQuad quad;
  describe3D(quad);
  canvas.drawBillboard3D(quad);
}

void Billboard3D::read(Database *database, const quip::Dictionary &d) {
  Billboard::read(database, d);
  const BillboardKeys &k = billboardKeys();
  if (const quip::Token *t = d.lookup(k.position))
    t->get(position);
  if (const quip::Token *t = d.lookupTyped(k.alphaTest, quip::TYPE_SYMBOL))
    alphaTest = t->toBool();
  if (const quip::Token *t = d.lookupTyped(k.alphaFunction, quip::TYPE_SYMBOL)) {
    int function = video::compareFromSymbol(t->symbol());
    if (function < video::COMPARE_COUNT)
      alphaFunction = function;
  }
  if (const quip::Token *t = d.lookupTyped(k.alphaReference, quip::TYPE_NUMBER))
    alphaReference = t->number();
  if (const quip::Token *t = d.lookupTyped(k.depthTest, quip::TYPE_SYMBOL))
    depthTest = t->toBool();
  if (const quip::Token *t = d.lookupTyped(k.depthWrite, quip::TYPE_SYMBOL))
    depthWrite = t->toBool();
  if (const quip::Token *t = d.lookupTyped(k.alignment, quip::TYPE_SYMBOL)) {
    Symbol s = t->symbol();
    if (s == k.xy)
      alignment = video::ALIGN_XY;
    else if (s == k.xz)
      alignment = video::ALIGN_XZ;
    else if (s == k.faceCamera)
      alignment = video::ALIGN_FACE_CAMERA;
  }
}

void Billboard3D::write(quip::Dictionary &d) const {
  Billboard::write(d);
  const BillboardKeys &k = billboardKeys();
  if (position.x != 0.0f || position.y != 0.0f || position.z != 0.0f)
    d.set(k.position, position.toToken());
  if (alphaTest)
    d.set(k.alphaTest, quip::boolToken(true));
  if (alphaFunction != video::COMPARE_ALWAYS)
    d.set(k.alphaFunction, quip::Token(video::compareSymbol(alphaFunction), false));
  if (alphaReference != 0.0f)
    d.set(k.alphaReference, quip::Token(alphaReference));
  if (depthTest)
    d.set(k.depthTest, quip::boolToken(true));
  if (depthWrite)
    d.set(k.depthWrite, quip::boolToken(true));
  if (alignment == video::ALIGN_XZ)
    d.set(k.alignment, quip::Token(k.xz, false));
  else if (alignment == video::ALIGN_FACE_CAMERA)
    d.set(k.alignment, quip::Token(k.faceCamera, false));
}

bool Billboard3D::readField(Database *, file::ByteProducer &in, unsigned code) {
  uint8_t byte = 0;
  switch (code) {
  case 11:
    file::read(position.x, in);
    file::read(position.y, in);
    file::read(position.z, in);
    return true;
  case 12:
    file::read(byte, in);
    alphaTest = byte != 0;
    return true;
  case 13:
    file::read(alphaFunction, in);
    if (alphaFunction < 0 || alphaFunction >= video::COMPARE_COUNT)
      alphaFunction = video::COMPARE_ALWAYS;
    return true;
  case 14:
    file::read(alphaReference, in);
    return true;
  case 15:
    file::read(byte, in);
    depthTest = byte != 0;
    return true;
  case 16:
    file::read(byte, in);
    depthWrite = byte != 0;
    return true;
  case 17:
    file::read(alignment, in);
    return true;
  default:
    return false;
  }
}

void Billboard3D::writeFields(Database *, file::ByteReceiver &out) const {
  const Billboard3D d;
  if (position.x != d.position.x || position.y != d.position.y || position.z != d.position.z) {
    file::write(uint8_t(11), out);
    file::write(position.x, out);
    file::write(position.y, out);
    file::write(position.z, out);
  }
  if (alphaTest != d.alphaTest) {
    file::write(uint8_t(12), out);
    file::write(uint8_t(alphaTest), out);
  }
  if (alphaFunction != d.alphaFunction) {
    file::write(uint8_t(13), out);
    file::write(int32_t(alphaFunction), out);
  }
  if (alphaReference != d.alphaReference) {
    file::write(uint8_t(14), out);
    file::write(alphaReference, out);
  }
  if (depthTest != d.depthTest) {
    file::write(uint8_t(15), out);
    file::write(uint8_t(depthTest), out);
  }
  if (depthWrite != d.depthWrite) {
    file::write(uint8_t(16), out);
    file::write(uint8_t(depthWrite), out);
  }
  if (alignment != d.alignment) {
    file::write(uint8_t(17), out);
    file::write(int32_t(alignment), out);
  }
}

Billboard *Billboard3D::makeReference(Database *) const { return new Billboard3D; }
