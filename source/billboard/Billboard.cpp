#include "billboard/Billboard.h"

#include "billboard/Billboard2D.h"
#include "billboard/Billboard2DManager.h"
#include "billboard/BillboardKeys.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "file/TextBinary.h"
#include "math/ColorScript.h"
#include "math/Scalar.h"
#include "quip/Token.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "texture/TextureSimple.h"

namespace {

const math::Vector2 fullTexture[4] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};

Texture *namedTexture(Database *database, Symbol name) {
  if (!database || name.isEmpty())
    return nullptr;
  TextureManager *textures = TextureManager::of(*database);
  return textures ? textures->getTexture(name) : nullptr;
}

bool sameTexCoords(const math::Vector2 a[4], const math::Vector2 b[4]) {
  for (int i = 0; i < 4; ++i)
    if (a[i].x != b[i].x || a[i].y != b[i].y)
      return false;
  return true;
}

bool sameVector(const math::Vector2 &a, const math::Vector2 &b) { return a.x == b.x && a.y == b.y; }

} // namespace

Billboard::Billboard(Texture *texture) : m_texture(texture) { resetToTexture(); }

float Billboard::textureSide(Texture *texture) {
  TextureSimple *frame = texture ? texture->currentFrame() : nullptr;
  if (!frame)
    return 0.0f;
  if (frame->listedSize)
    return float(frame->listedSize);
  // No listed size: the image's own width, once the image is there.
  if (frame->holdsPixels())
    return float(frame->pixels()->width());
  return 0.0f;
}

void Billboard::resetToTexture() {
  for (int i = 0; i < 4; ++i)
    texCoords[i] = fullTexture[i];
  float side = textureSide(m_texture);
  size = math::Vector2(side, side);
  initialScale = math::Vector2(1.0f, 1.0f);
  m_pending &= uint8_t(~1u);
  m_pending = uint8_t((m_pending & ~2u) | (m_texture && side == 0.0f ? 2u : 0u));
}

void Billboard::setPrototype(Database *database, Symbol name) {
  Billboard2DManager *manager = database ? Billboard2DManager::of(*database) : nullptr;
  if (manager)
    copyFrom(*manager->billboard(name));
  m_prototype = name;
}

void Billboard::copyFrom(const Billboard &o) {
  m_prototype = o.m_prototype;
  m_texture = o.m_texture;
  size = o.size;
  storedOrigin = o.storedOrigin;
  centered = o.centered;
  m_blend = o.m_blend;
  m_blendBehavior = o.m_blendBehavior;
  m_textureStyle = o.m_textureStyle;
  for (int i = 0; i < 4; ++i)
    texCoords[i] = o.texCoords[i];
  m_flip = o.m_flip;
  initialColor = o.initialColor;
  initialScale = o.initialScale;
  initialRotation = o.initialRotation;
  m_pending = o.m_pending;
  for (int i = 0; i < 4; ++i)
    m_pendingRect[i] = o.m_pendingRect[i];
}

unsigned Billboard::parseFlip(const String &text) {
  unsigned flip = 0;
  for (uint32_t i = 0; i < text.length(); ++i) {
    wchar_t c = text[i];
    if (c == L'H' || c == L'h')
      flip |= FLIP_HORIZONTAL;
    else if (c == L'V' || c == L'v')
      flip |= FLIP_VERTICAL;
  }
  return flip;
}

String Billboard::flipText(unsigned flip) {
  String text;
  if (flip & FLIP_HORIZONTAL)
    text += L"H";
  if (flip & FLIP_VERTICAL)
    text += L"V";
  return text;
}

void Billboard::setSubRect(int x0, int x1, int y0, int y1) {
  float s = textureSide(m_texture);
  if (s == 0.0f) {
    m_pending |= 1u;
    m_pendingRect[0] = x0;
    m_pendingRect[1] = x1;
    m_pendingRect[2] = y0;
    m_pendingRect[3] = y1;
    return;
  }
  m_pending &= uint8_t(~1u);
  texCoords[0] = math::Vector2(float(x0) / s, float(y0) / s);
  texCoords[1] = math::Vector2(float(x0) / s, float(y1) / s);
  texCoords[2] = math::Vector2(float(x1) / s, float(y1) / s);
  texCoords[3] = math::Vector2(float(x1) / s, float(y0) / s);
}

void Billboard::settle() {
  if (!m_pending)
    return;
  float s = textureSide(m_texture);
  if (s == 0.0f)
    return;
  if (m_pending & 2u) {
    size = math::Vector2(s, s);
    m_pending &= uint8_t(~2u);
  }
  if (m_pending & 1u)
    setSubRect(m_pendingRect[0], m_pendingRect[1], m_pendingRect[2], m_pendingRect[3]);
}

math::Vector2 Billboard::origin() const {
  math::Vector2 o = storedOrigin;
  if (!centered) {
    if (m_flip & FLIP_HORIZONTAL)
      o.x = size.x - o.x;
    if (m_flip & FLIP_VERTICAL)
      o.y = size.y - o.y;
  }
  return o;
}

void Billboard::getTexCoords(math::Vector2 out[4]) const {
  for (int i = 0; i < 4; ++i)
    out[i] = texCoords[i];
  if (m_flip & FLIP_HORIZONTAL) {
    std::swap(out[0].x, out[3].x);
    std::swap(out[1].x, out[2].x);
  }
  if (m_flip & FLIP_VERTICAL) {
    std::swap(out[0].y, out[1].y);
    std::swap(out[2].y, out[3].y);
  }
}

math::Rectangle Billboard::localRectangle() const {
  math::Vector2 s(size.x * initialScale.x, size.y * initialScale.y);
  math::Rectangle r;
  if (centered)
    r.set(-s.x / 2, -s.y / 2, s.x, s.y);
  else
    r.set(-storedOrigin.x * initialScale.x, -storedOrigin.y * initialScale.y, s.x, s.y);
  return r;
}

bool Billboard::isOpaque() const {
  if (initialColor.a < 1.0f || video::blendAlwaysBlends(m_blend))
    return false;
  TextureSimple *frame = m_texture ? m_texture->currentFrame() : nullptr;
  return frame ? frame->opaque : true;
}

bool Billboard::needsBlending() const {
  if (m_blendBehavior == video::ENABLE_DEFAULT)
    return !isOpaque();
  return m_blendBehavior == video::ENABLE_ENABLE;
}

void Billboard::describe(video::BillboardQuad &out) const {
  out.texture = m_texture;
  out.size = size;
  out.origin = origin();
  out.centered = centered;
  getTexCoords(out.texCoords);
  out.color = initialColor;
  out.scale = initialScale;
  out.rotation = initialRotation;
  out.blend = m_blend;
  out.blendBehavior = m_blendBehavior;
  out.textureStyle = m_textureStyle;
  out.local = localRectangle();
}

// Dictionary form.

void Billboard::read(Database *database, const quip::Dictionary &d) {
  const BillboardKeys &k = billboardKeys();
  if (const quip::Token *t = d.lookupTyped(k.prototype, quip::TYPE_SYMBOL))
    setPrototype(database, t->symbol());
  if (const quip::Token *t = d.lookupTyped(k.texture, quip::TYPE_SYMBOL))
    m_texture = namedTexture(database, t->symbol());
  Texture *prototypeTexture = nullptr;
  if (!m_prototype.isEmpty() && database)
    if (Billboard2DManager *manager = Billboard2DManager::of(*database))
      prototypeTexture = manager->billboard(m_prototype)->texture();
  if (m_prototype.isEmpty() || m_texture != prototypeTexture)
    resetToTexture();

  if (const quip::Token *t = d.lookup(k.initialColor))
    t->get(initialColor);
  if (const quip::Token *t = d.lookup(k.initialScale))
    t->get(initialScale);
  if (const quip::Token *t = d.lookupTyped(k.initialRotation, quip::TYPE_NUMBER))
    initialRotation = t->number();
  if (const quip::Token *t = d.lookupTyped(k.blend, quip::TYPE_SYMBOL)) {
    int blend = video::blendFromSymbol(t->symbol());
    if (blend < video::BLEND_COUNT)
      m_blend = blend;
  }
  if (const quip::Token *t = d.lookupTyped(k.blendBehavior, quip::TYPE_SYMBOL))
    m_blendBehavior = video::enableFromSymbol(t->symbol());
  if (const quip::Token *t = d.lookupTyped(k.textureStyle, quip::TYPE_SYMBOL))
    m_textureStyle = video::textureStyleFromSymbol(t->symbol());
  if (const quip::Token *t = d.lookup(k.size)) {
    if (t->get(size))
      m_pending &= uint8_t(~2u);
  }
  if (const quip::Token *t = d.lookup(k.center))
    t->get(storedOrigin);
  if (const quip::Token *t = d.lookupTyped(k.centered, quip::TYPE_SYMBOL))
    centered = t->toBool();
  if (const quip::Token *t = d.lookupTyped(k.subRect, quip::TYPE_ARRAY)) {
    const quip::Array &a = t->array();
    float v[4];
    bool numbers = a.count() >= 4;
    for (uint32_t i = 0; numbers && i < 4; ++i)
      numbers = a[i].get(v[i]);
    if (numbers)
      setSubRect(math::round(v[0]), math::round(v[1]), math::round(v[2]), math::round(v[3]));
  }
  if (const quip::Token *t = d.lookupTyped(k.texCoords, quip::TYPE_ARRAY)) {
    const quip::Array &a = t->array();
    math::Vector2 corners[4];
    bool ok = a.count() >= 4;
    for (uint32_t i = 0; ok && i < 4; ++i)
      ok = a[i].get(corners[i]);
    if (ok) {
      for (int i = 0; i < 4; ++i)
        texCoords[i] = corners[i];
      m_pending &= uint8_t(~1u);
    }
  }
  if (const quip::Token *t = d.lookupTyped(k.flip, quip::TYPE_STRING))
    m_flip = parseFlip(t->string());
}

void Billboard::write(quip::Dictionary &d) const {
  const BillboardKeys &k = billboardKeys();
  if (!m_prototype.isEmpty())
    d.set(k.prototype, quip::Token(m_prototype, false));
  if (m_texture)
    d.set(k.texture, quip::Token(m_texture->name(), false));
  d.set(k.initialColor, quip::toToken(initialColor));
  d.set(k.initialScale, initialScale.toToken());
  d.set(k.initialRotation, quip::Token(initialRotation));
  d.set(k.blend, quip::Token(video::blendSymbol(m_blend), false));
  d.set(k.blendBehavior, quip::Token(video::enableSymbol(m_blendBehavior), false));
  d.set(k.textureStyle, quip::Token(video::textureStyleSymbol(m_textureStyle), false));
  d.set(k.size, size.toToken());
  d.set(k.center, storedOrigin.toToken());
  d.set(k.centered, quip::boolToken(centered));
  quip::Array corners(4);
  for (int i = 0; i < 4; ++i)
    corners[i] = texCoords[i].toToken();
  d.set(k.texCoords, quip::Token(corners, false));
  d.set(k.flip, quip::Token(flipText(m_flip)));
}

// Binary record.

void Billboard::writeBaseFields(const Billboard &r, file::ByteReceiver &out) const {
  auto code = [&](uint8_t c) { file::write(c, out); };
  if (!sameVector(size, r.size)) {
    code(0);
    file::write(size.x, out);
    file::write(size.y, out);
  }
  if (!(initialColor == r.initialColor)) {
    code(1);
    file::write(initialColor.r, out);
    file::write(initialColor.g, out);
    file::write(initialColor.b, out);
    file::write(initialColor.a, out);
  }
  if (!sameVector(initialScale, r.initialScale)) {
    code(2);
    file::write(initialScale.x, out);
    file::write(initialScale.y, out);
  }
  if (initialRotation != r.initialRotation) {
    code(3);
    file::write(initialRotation, out);
  }
  if (m_blend != r.m_blend) {
    code(4);
    file::write(int32_t(m_blend), out);
  }
  if (m_blendBehavior != r.m_blendBehavior) {
    code(5);
    file::write(int32_t(m_blendBehavior), out);
  }
  if (m_textureStyle != r.m_textureStyle) {
    code(6);
    file::write(uint32_t(m_textureStyle), out);
  }
  if (!sameTexCoords(texCoords, r.texCoords)) {
    code(7);
    for (const math::Vector2 &c : texCoords) {
      file::write(c.x, out);
      file::write(c.y, out);
    }
  }
  if (!centered) {
    code(8);
    file::write(uint8_t(0), out);
  }
  if (!sameVector(storedOrigin, r.storedOrigin)) {
    code(9);
    file::write(storedOrigin.x, out);
    file::write(storedOrigin.y, out);
  }
  if (m_flip != r.m_flip) {
    code(10);
    file::write(uint8_t(m_flip), out);
  }
}

void Billboard::writeBinary(Database *database, file::ByteReceiver &out) const {
  bool hasPrototype = !m_prototype.isEmpty();
  file::write(uint8_t(hasPrototype ? 1 : 0), out);
  file::write(hasPrototype ? m_prototype : (m_texture ? m_texture->name() : Symbol()), out);
  Billboard *reference = makeReference(database);
  if (hasPrototype)
    reference->setPrototype(database, m_prototype);
  writeBaseFields(*reference, out);
  writeFields(database, out);
  delete reference;
  file::write(uint8_t(255), out);
}

namespace {

void readVector(math::Vector2 &v, file::ByteProducer &in) {
  file::read(v.x, in);
  file::read(v.y, in);
}

bool fail(const wchar_t *reason) {
  framework::reportError(String(L"Billboard record: ") + reason);
  return false;
}

} // namespace

bool Billboard::readBinary(Database *database, file::ByteProducer &in) {
  uint8_t hasPrototype = 0;
  Symbol name;
  file::read(hasPrototype, in);
  file::read(name, in);
  if (in.overrun())
    return fail(L"truncated");
  if (hasPrototype)
    setPrototype(database, name);
  else
    m_texture = namedTexture(database, name);
  for (;;) {
    if (in.bytesRemaining() == 0)
      return fail(L"truncated");
    uint8_t code = 0;
    file::read(code, in);
    switch (code) {
    case 255:
      return true;
    case 0:
      readVector(size, in);
      m_pending &= uint8_t(~2u);
      break;
    case 1:
      file::read(initialColor.r, in);
      file::read(initialColor.g, in);
      file::read(initialColor.b, in);
      file::read(initialColor.a, in);
      break;
    case 2:
      readVector(initialScale, in);
      break;
    case 3:
      file::read(initialRotation, in);
      break;
    case 4:
      file::read(m_blend, in);
      if (m_blend < 0 || m_blend >= video::BLEND_COUNT)
        m_blend = video::BLEND_NORMAL;
      break;
    case 5:
      file::read(m_blendBehavior, in);
      break;
    case 6:
      file::read(m_textureStyle, in);
      break;
    case 7:
      for (math::Vector2 &c : texCoords)
        readVector(c, in);
      m_pending &= uint8_t(~1u);
      break;
    case 8: {
      uint8_t on = 0;
      file::read(on, in);
      centered = on != 0;
      break;
    }
    case 9:
      readVector(storedOrigin, in);
      break;
    case 10: {
      uint8_t flip = 0;
      file::read(flip, in);
      m_flip = flip & (FLIP_HORIZONTAL | FLIP_VERTICAL);
      break;
    }
    default:
      if (!readField(database, in, code))
        return fail(L"unknown field code");
    }
    if (in.overrun())
      return fail(L"truncated");
  }
}
