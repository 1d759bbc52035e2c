#include "video/RenderPass.h"

#include "file/BinaryPrimitives.h"
#include "file/TextBinary.h"
#include "quip/Token.h"
#include "video/Canvas.h"
#include "video/ColorValues.h"
#include "video/TextureAccess.h"
#include "video/TextureAnimationAccess.h"

namespace video {

namespace {

struct Keys {
  Symbol texture = Symbol::intern(L"texture");
  Symbol blend = Symbol::intern(L"blend");
  Symbol blendBehavior = Symbol::intern(L"blendBehavior");
  Symbol textureStyle = Symbol::intern(L"textureStyle");
  Symbol color = Symbol::intern(L"color");
  Symbol lit = Symbol::intern(L"lit");
  Symbol cull = Symbol::intern(L"cull");
  Symbol depthTest = Symbol::intern(L"depthTest");
  Symbol depthWrite = Symbol::intern(L"depthWrite");
  Symbol depthFunction = Symbol::intern(L"depthFunction");
  Symbol alphaTest = Symbol::intern(L"alphaTest");
  Symbol alphaFunction = Symbol::intern(L"alphaFunction");
  Symbol alphaReference = Symbol::intern(L"alphaReference");
  Symbol textureAnimation = Symbol::intern(L"textureAnimation");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

bool lookupSymbol(const quip::Dictionary &d, Symbol key, Symbol &out) {
  const quip::Token *token = d.lookupTyped(key, quip::TYPE_SYMBOL);
  return token && token->get(out);
}

void lookupTruth(const quip::Dictionary &d, Symbol key, bool &out) {
  if (const quip::Token *token = d.lookupTyped(key, quip::TYPE_SYMBOL))
    out = token->toBool();
}

// A compare keyword outside its table leaves the field as it was: the value
// indexes the GL tables.
void lookupCompare(const quip::Dictionary &d, Symbol key, int &out) {
  Symbol keyword;
  if (lookupSymbol(d, key, keyword)) {
    int function = compareFromSymbol(keyword);
    if (function < COMPARE_COUNT)
      out = function;
  }
}

int validCompare(uint32_t value, int fallback) {
  return value < COMPARE_COUNT ? int(value) : fallback;
}

animation::AnimationDefinition *copyOf(const animation::AnimationDefinition *animation) {
  TextureAnimationAccess *access = TextureAnimationAccess::instance();
  return animation && access ? access->copy(*animation) : nullptr;
}

void destroy(animation::AnimationDefinition *animation) {
  if (!animation)
    return;
  if (TextureAnimationAccess *access = TextureAnimationAccess::instance())
    access->destroy(animation);
}

} // namespace

RenderPass::RenderPass(const RenderPass &other)
    : time(other.time), texture(other.texture), blend(other.blend),
      blendBehavior(other.blendBehavior), textureStyle(other.textureStyle), color(other.color),
      lit(other.lit), cull(other.cull), depthTest(other.depthTest), depthWrite(other.depthWrite),
      depthFunction(other.depthFunction), alphaTest(other.alphaTest),
      alphaFunction(other.alphaFunction), alphaReference(other.alphaReference),
      animationState(other.animationState), m_textureAnimation(copyOf(other.m_textureAnimation)) {}

RenderPass &RenderPass::operator=(const RenderPass &other) {
  if (this == &other)
    return *this;
  animation::AnimationDefinition *copy = copyOf(other.m_textureAnimation);
  destroy(m_textureAnimation);
  time = other.time;
  texture = other.texture;
  blend = other.blend;
  blendBehavior = other.blendBehavior;
  textureStyle = other.textureStyle;
  color = other.color;
  lit = other.lit;
  cull = other.cull;
  depthTest = other.depthTest;
  depthWrite = other.depthWrite;
  depthFunction = other.depthFunction;
  alphaTest = other.alphaTest;
  alphaFunction = other.alphaFunction;
  alphaReference = other.alphaReference;
  animationState = other.animationState;
  m_textureAnimation = copy;
  return *this;
}

RenderPass::~RenderPass() { destroy(m_textureAnimation); }

void RenderPass::setDefaults() { *this = RenderPass(); }

void RenderPass::setTime(float seconds) {
  time = seconds;
  if (m_textureAnimation)
    if (TextureAnimationAccess *access = TextureAnimationAccess::instance())
      access->evaluate(*m_textureAnimation, animationState, time);
}

void RenderPass::setTextureAnimation(animation::AnimationDefinition *animation) {
  if (animation == m_textureAnimation)
    return;
  destroy(m_textureAnimation);
  m_textureAnimation = animation;
}

void RenderPass::setTextureByName(const Database &database, Symbol name) {
  texture = name.isEmpty() ? nullptr : findTexture(database, name);
}

bool RenderPass::drawsOpaque() const {
  if (color.a < 1.0f || blend != BLEND_NORMAL)
    return false;
  return textureIsOpaque(texture);
}

bool RenderPass::needsBlending() const {
  switch (blendBehavior) {
  case ENABLE_DEFAULT:
    return !drawsOpaque();
  case ENABLE_ENABLE:
    return true;
  default:
    return false;
  }
}

bool RenderPass::operator==(const RenderPass &o) const {
  if ((m_textureAnimation != nullptr) != (o.m_textureAnimation != nullptr))
    return false;
  if (m_textureAnimation && animationState != o.animationState)
    return false;
  return texture == o.texture && blend == o.blend && blendBehavior == o.blendBehavior &&
         textureStyle == o.textureStyle && color == o.color && lit == o.lit && cull == o.cull &&
         depthTest == o.depthTest && depthWrite == o.depthWrite &&
         depthFunction == o.depthFunction && alphaTest == o.alphaTest &&
         alphaFunction == o.alphaFunction && alphaReference == o.alphaReference;
}

void RenderPass::read(const Database &database, const quip::Dictionary &d) {
  const Keys &k = keys();
  Symbol keyword;
  if (lookupSymbol(d, k.texture, keyword))
    setTextureByName(database, keyword);
  if (lookupSymbol(d, k.blend, keyword))
    blend = blendFromSymbol(keyword);
  if (lookupSymbol(d, k.blendBehavior, keyword))
    blendBehavior = enableFromSymbol(keyword);
  if (lookupSymbol(d, k.textureStyle, keyword))
    textureStyle = textureStyleFromSymbol(keyword);
  if (const quip::Token *token = d.lookupTyped(k.color, quip::TYPE_ARRAY))
    readColor(*token, color);
  lookupTruth(d, k.lit, lit);
  lookupTruth(d, k.cull, cull);
  lookupTruth(d, k.depthTest, depthTest);
  lookupTruth(d, k.depthWrite, depthWrite);
  lookupCompare(d, k.depthFunction, depthFunction);
  lookupTruth(d, k.alphaTest, alphaTest);
  lookupCompare(d, k.alphaFunction, alphaFunction);
  if (const quip::Token *token = d.lookupTyped(k.alphaReference, quip::TYPE_NUMBER))
    token->get(alphaReference);
  if (const quip::Token *token = d.lookupTyped(k.textureAnimation, quip::TYPE_DICTIONARY)) {
    TextureAnimationAccess *access = TextureAnimationAccess::instance();
    if (access && token->isDictionary()) {
      setTextureAnimation(access->load(token->dictionary()));
      setTime(time);
    }
  }
}

void RenderPass::write(quip::Dictionary &d) const {
  const Keys &k = keys();
  if (texture) {
    Symbol name = textureName(texture);
    if (!name.isEmpty())
      d.set(k.texture, quip::Token(name, false));
  }
  // A blend mode outside the table draws as normal, so it writes nothing.
  if (blend != BLEND_NORMAL && !blendSymbol(blend).isEmpty())
    d.set(k.blend, quip::Token(blendSymbol(blend), true));
  // An enable mode outside the table behaves as "disable".
  if (blendBehavior != ENABLE_DEFAULT) {
    Symbol keyword = enableSymbol(blendBehavior);
    d.set(k.blendBehavior,
          quip::Token(keyword.isEmpty() ? enableSymbol(ENABLE_DISABLE) : keyword, true));
  }
  if (textureStyle != textureStyle::NORMAL) {
    Symbol keyword = textureStyleSymbol(textureStyle);
    if (!keyword.isEmpty())
      d.set(k.textureStyle, quip::Token(keyword, true));
  }
  if (!(color == math::Color(1.0f, 1.0f, 1.0f, 1.0f)))
    d.set(k.color, colorToken(color));
  if (!lit)
    d.set(k.lit, quip::toToken(false));
  if (!cull)
    d.set(k.cull, quip::toToken(false));
  if (!depthTest)
    d.set(k.depthTest, quip::toToken(false));
  if (!depthWrite)
    d.set(k.depthWrite, quip::toToken(false));
  if (depthFunction != COMPARE_LESS_OR_EQUAL && depthFunction < COMPARE_COUNT)
    d.set(k.depthFunction, quip::Token(compareSymbol(depthFunction), false));
  if (alphaTest)
    d.set(k.alphaTest, quip::toToken(true));
  if (alphaFunction != COMPARE_ALWAYS && alphaFunction < COMPARE_COUNT)
    d.set(k.alphaFunction, quip::Token(compareSymbol(alphaFunction), false));
  if (alphaReference != 0.0f)
    d.set(k.alphaReference, quip::Token(alphaReference));
  if (m_textureAnimation) {
    if (TextureAnimationAccess *access = TextureAnimationAccess::instance()) {
      quip::Dictionary animation;
      access->save(*m_textureAnimation, animation);
      if (!animation.isEmpty())
        d.set(k.textureAnimation, quip::Token(animation));
    }
  }
}

bool RenderPass::readBinary(const Database &database, file::ByteProducer &in) {
  float readTime = 0.0f;
  Symbol name;
  uint32_t readBlend = 0, behavior = 0, style = 0, depthFn = 0, alphaFn = 0;
  float r = 0, g = 0, b = 0, a = 0, reference = 0;
  bool readLit = false, readCull = false, readDepthTest = false, readDepthWrite = false;
  bool readAlphaTest = false, hasAnimation = false;
  file::read(readTime, in);
  file::read(name, in);
  file::read(readBlend, in);
  file::read(behavior, in);
  file::read(style, in);
  file::read(r, in);
  file::read(g, in);
  file::read(b, in);
  file::read(a, in);
  file::read(readLit, in);
  file::read(readCull, in);
  file::read(readDepthTest, in);
  file::read(readDepthWrite, in);
  file::read(depthFn, in);
  file::read(readAlphaTest, in);
  file::read(alphaFn, in);
  file::read(reference, in);
  file::read(hasAnimation, in);
  if (in.overrun())
    return false;
  animation::AnimationDefinition *animation = nullptr;
  if (hasAnimation) {
    TextureAnimationAccess *access = TextureAnimationAccess::instance();
    animation = access ? access->read(in) : nullptr;
    if (!animation || in.overrun()) {
      destroy(animation);
      return false;
    }
  }
  setTextureByName(database, name);
  blend = int(readBlend);
  blendBehavior = int(behavior);
  textureStyle = style;
  color = math::Color(r, g, b, a);
  lit = readLit;
  cull = readCull;
  depthTest = readDepthTest;
  depthWrite = readDepthWrite;
  depthFunction = validCompare(depthFn, COMPARE_LESS_OR_EQUAL);
  alphaTest = readAlphaTest;
  alphaFunction = validCompare(alphaFn, COMPARE_ALWAYS);
  alphaReference = reference;
  setTextureAnimation(animation);
  if (!animation)
    animationState.reset();
  setTime(readTime);
  return true;
}

void RenderPass::writeBinary(file::ByteReceiver &out) const {
  file::write(time, out);
  file::write(textureName(texture), out);
  file::write(uint32_t(blend), out);
  file::write(uint32_t(blendBehavior), out);
  file::write(textureStyle, out);
  file::write(color.r, out);
  file::write(color.g, out);
  file::write(color.b, out);
  file::write(color.a, out);
  file::write(lit, out);
  file::write(cull, out);
  file::write(depthTest, out);
  file::write(depthWrite, out);
  file::write(uint32_t(depthFunction), out);
  file::write(alphaTest, out);
  file::write(uint32_t(alphaFunction), out);
  file::write(alphaReference, out);
  TextureAnimationAccess *access = TextureAnimationAccess::instance();
  bool hasAnimation = m_textureAnimation && access;
  file::write(hasAnimation, out);
  if (hasAnimation)
    access->write(*m_textureAnimation, out);
}

void RenderPass::apply(Canvas &canvas) { canvas.applyRenderPass(*this); }
void RenderPass::release(Canvas &canvas) { canvas.releaseRenderPass(*this); }

} // namespace video
