#include "video/RibbonRenderPass.h"

#include "quip/Token.h"

namespace video {

namespace {

struct Keys {
  Symbol renderPass = Symbol::intern(L"renderPass");
  Symbol tOffset = Symbol::intern(L"tOffset");
  Symbol tScale = Symbol::intern(L"tScale");
  Symbol sLeft = Symbol::intern(L"sLeft");
  Symbol sRight = Symbol::intern(L"sRight");
  Symbol lineWidthStart = Symbol::intern(L"lineWidthStart");
  Symbol lineWidthEnd = Symbol::intern(L"lineWidthEnd");
  Symbol steps = Symbol::intern(L"steps");
  Symbol fadeInStart = Symbol::intern(L"fadeInStart");
  Symbol fadeInEnd = Symbol::intern(L"fadeInEnd");
  Symbol fadeOutStart = Symbol::intern(L"fadeOutStart");
  Symbol fadeOutEnd = Symbol::intern(L"fadeOutEnd");
  Symbol alignment = Symbol::intern(L"alignment");
  Symbol names[RIBBON_ALIGNMENT_COUNT] = {Symbol::intern(L"xy"), Symbol::intern(L"xz"),
                                          Symbol::intern(L"faceCamera")};
};

const Keys &keys() {
  static const Keys k;
  return k;
}

// More points than this on one segment of a curve are taken as a mistake:
// the ribbon would not draw faster or look smoother.
const uint32_t mostSteps = 1024;

void readNumber(const quip::Dictionary &d, Symbol key, float &out) {
  if (const quip::Token *token = d.lookupTyped(key, quip::TYPE_NUMBER))
    token->get(out);
}

float clamped(float f) { return f < 0.0f ? 0.0f : (f > 1.0f ? 1.0f : f); }

} // namespace

Symbol ribbonAlignmentSymbol(int alignment) {
  return alignment >= 0 && alignment < RIBBON_ALIGNMENT_COUNT ? keys().names[alignment]
                                                              : Symbol::emptySymbol();
}

int ribbonAlignmentFromSymbol(Symbol keyword) {
  for (int i = 0; i < RIBBON_ALIGNMENT_COUNT; ++i)
    if (keys().names[i] == keyword)
      return i;
  return RIBBON_ALIGNMENT_COUNT;
}

void RibbonRenderPass::read(const Database &database, const quip::Dictionary &d) {
  const Keys &k = keys();
  if (const quip::Token *token = d.lookupTyped(k.renderPass, quip::TYPE_DICTIONARY))
    if (token->isDictionary())
      RenderPass::read(database, token->dictionary());
  readNumber(d, k.tOffset, tOffset);
  readNumber(d, k.tScale, tScale);
  readNumber(d, k.sLeft, sLeft);
  readNumber(d, k.sRight, sRight);
  readNumber(d, k.lineWidthStart, lineWidthStart);
  readNumber(d, k.lineWidthEnd, lineWidthEnd);
  if (const quip::Token *token = d.lookupTyped(k.steps, quip::TYPE_NUMBER)) {
    uint32_t n = steps;
    token->get(n);
    steps = n > mostSteps ? mostSteps : n;
  }
  readNumber(d, k.fadeInStart, fadeInStart);
  readNumber(d, k.fadeInEnd, fadeInEnd);
  readNumber(d, k.fadeOutStart, fadeOutStart);
  readNumber(d, k.fadeOutEnd, fadeOutEnd);
  if (const quip::Token *token = d.lookupTyped(k.alignment, quip::TYPE_SYMBOL)) {
    Symbol keyword;
    if (token->get(keyword)) {
      int value = ribbonAlignmentFromSymbol(keyword);
      if (value < RIBBON_ALIGNMENT_COUNT)
        alignment = value;
    }
  }
}

void RibbonRenderPass::write(quip::Dictionary &d) const {
  const Keys &k = keys();
  quip::Dictionary pass;
  RenderPass::write(pass);
  if (!pass.isEmpty())
    d.set(k.renderPass, quip::Token(pass));
  d.set(k.tOffset, quip::Token(tOffset));
  d.set(k.tScale, quip::Token(tScale));
  d.set(k.sLeft, quip::Token(sLeft));
  d.set(k.sRight, quip::Token(sRight));
  d.set(k.lineWidthStart, quip::Token(lineWidthStart));
  d.set(k.lineWidthEnd, quip::Token(lineWidthEnd));
  d.set(k.steps, quip::Token(float(steps)));
  d.set(k.fadeInStart, quip::Token(fadeInStart));
  d.set(k.fadeInEnd, quip::Token(fadeInEnd));
  d.set(k.fadeOutStart, quip::Token(fadeOutStart));
  d.set(k.fadeOutEnd, quip::Token(fadeOutEnd));
  Symbol keyword = ribbonAlignmentSymbol(alignment);
  if (!keyword.isEmpty())
    d.set(k.alignment, quip::Token(keyword, false));
}

float RibbonRenderPass::width(float fraction) const {
  float f = clamped(fraction);
  return lineWidthStart + f * (lineWidthEnd - lineWidthStart);
}

float RibbonRenderPass::fade(float fraction) const {
  float f = clamped(fraction);
  if (f < fadeInStart)
    return 0.0f;
  if (f < fadeInEnd)
    return (f - fadeInStart) / (fadeInEnd - fadeInStart);
  if (f > fadeOutEnd)
    return 0.0f;
  if (f <= fadeOutStart)
    return 1.0f;
  return 1.0f - (f - fadeOutStart) / (fadeOutEnd - fadeOutStart);
}

} // namespace video
