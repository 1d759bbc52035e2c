#include "video/RenderState.h"

#include "video/Shader.h"

namespace video {

void RenderState::reset() {
  m_shadeModel = SHADE_SMOOTH;
  m_blendMode = BLEND_SOURCE_ONLY;
  m_textureStyles.clear();
  m_blending = false;
  m_textureEnvColor = math::Color(0.0f, 0.0f, 0.0f, 0.0f);
  m_textures.clear();
  m_textureKnown.clear();
  m_perspective = true;
  m_textureMatrix = false;
  m_shapeMode = false;
  m_lighting = false;
  m_fog = false;
  m_culling = false;
  m_cullMode = CULL_BACK;
  m_depthWrite = true;
  m_depthTest = true;
  m_depthFunction = COMPARE_LESS_OR_EQUAL;
  m_alphaTest = false;
  m_alphaFunction = COMPARE_ALWAYS;
  m_alphaReference = 0.0f;
  m_stencilMask = 0xFFFFFFFFu;
  m_stencilTest = false;
  m_stencilFunction = COMPARE_ALWAYS;
  m_stencilReference = 0;
  m_stencilFunctionMask = 0xFFFFFFFFu;
  m_stencilFail = STENCIL_KEEP;
  m_stencilDepthFail = STENCIL_KEEP;
  m_stencilPass = STENCIL_KEEP;
  Shader::releaseAll();
}

// Calls the apply slot only on a change, then stores the value.
#define CACHED_SETTER(name, type, field, slot)                                                     \
  void RenderState::name(type value) {                                                             \
    if (field != value)                                                                            \
      slot(value);                                                                                 \
    field = value;                                                                                 \
  }

CACHED_SETTER(setShadeModel, int, m_shadeModel, applyShadeModel)
CACHED_SETTER(setBlendMode, int, m_blendMode, applyBlendMode)
CACHED_SETTER(setBlending, bool, m_blending, applyBlending)
CACHED_SETTER(setPerspective, bool, m_perspective, applyPerspective)
CACHED_SETTER(setTextureMatrix, bool, m_textureMatrix, applyTextureMatrix)
CACHED_SETTER(setShapeMode, bool, m_shapeMode, applyShapeMode)
CACHED_SETTER(setLighting, bool, m_lighting, applyLighting)
CACHED_SETTER(setFog, bool, m_fog, applyFog)
CACHED_SETTER(setCulling, bool, m_culling, applyCulling)
CACHED_SETTER(setCullMode, int, m_cullMode, applyCullMode)
CACHED_SETTER(setDepthWrite, bool, m_depthWrite, applyDepthWrite)
CACHED_SETTER(setDepthTest, bool, m_depthTest, applyDepthTest)
CACHED_SETTER(setDepthFunction, int, m_depthFunction, applyDepthFunction)
CACHED_SETTER(setAlphaTest, bool, m_alphaTest, applyAlphaTest)
CACHED_SETTER(setStencilMask, uint32_t, m_stencilMask, applyStencilMask)
CACHED_SETTER(setStencilTest, bool, m_stencilTest, applyStencilTest)

#undef CACHED_SETTER

void RenderState::setAlphaFunction(int function, float reference) {
  if (function != m_alphaFunction || reference != m_alphaReference)
    applyAlphaFunction(function, reference);
  m_alphaFunction = function;
  m_alphaReference = reference;
}

void RenderState::setStencilFunction(int function, int reference, uint32_t mask) {
  if (function != m_stencilFunction || reference != m_stencilReference ||
      mask != m_stencilFunctionMask)
    applyStencilFunction(function, reference, mask);
  m_stencilFunction = function;
  m_stencilReference = reference;
  m_stencilFunctionMask = mask;
}

void RenderState::setStencilOperation(int fail, int depthFail, int pass) {
  if (fail != m_stencilFail || depthFail != m_stencilDepthFail || pass != m_stencilPass)
    applyStencilOperation(fail, depthFail, pass);
  m_stencilFail = fail;
  m_stencilDepthFail = depthFail;
  m_stencilPass = pass;
}

void RenderState::setTextureEnvColor(const math::Color &color) {
  if (!(color == m_textureEnvColor))
    applyTextureEnvColor(color);
  m_textureEnvColor = color;
}

void RenderState::setTextureStyle(uint32_t word, int unit) {
  if (unit < 0)
    return;
  while (m_textureStyles.size() < uint32_t(unit) + 1)
    m_textureStyles.push(textureStyle::NORMAL);
  uint32_t old = m_textureStyles[unit];
  if (old != word) {
    using namespace textureStyle;
    auto changed = [&](int f) { return field(old, f) != field(word, f); };
    if (changed(COMBINE_RGB))
      applyCombineRGB(field(word, COMBINE_RGB), unit);
    if (changed(SOURCE_RGB0))
      applySourceRGB0(field(word, SOURCE_RGB0), unit);
    if (changed(SOURCE_RGB1))
      applySourceRGB1(field(word, SOURCE_RGB1), unit);
    if (changed(COMBINE_ALPHA))
      applyCombineAlpha(field(word, COMBINE_ALPHA), unit);
    if (changed(SOURCE_ALPHA0))
      applySourceAlpha0(field(word, SOURCE_ALPHA0), unit);
    if (changed(SOURCE_ALPHA1))
      applySourceAlpha1(field(word, SOURCE_ALPHA1), unit);
  }
  m_textureStyles[unit] = word;
}

uint32_t RenderState::textureStyle(int unit) const {
  return unit >= 0 && uint32_t(unit) < m_textureStyles.size() ? m_textureStyles[unit]
                                                              : textureStyle::NORMAL;
}

void RenderState::setTexture(Texture *texture, int unit) {
  if (unit < 0)
    return;
  if (textureKnownAt(unit) && m_textures[unit] == texture)
    return;
  applyTexture(texture, unit);
  while (m_textures.size() < uint32_t(unit) + 1)
    m_textures.push(nullptr);
  while (m_textureKnown.size() < uint32_t(unit) + 1)
    m_textureKnown.push(false);
  m_textures[unit] = texture;
  m_textureKnown[unit] = true;
}

void RenderState::noteTextureBound(Texture *texture, int unit) {
  if (textureKnownAt(unit) && m_textures[unit] != texture)
    m_textureKnown[unit] = false;
}

void RenderState::forgetTexture(Texture *texture) {
  for (uint32_t unit = 0; unit < m_textureKnown.size() && unit < m_textures.size(); ++unit) {
    if (m_textureKnown[unit] && m_textures[unit] == texture) {
      applyTexture(nullptr, int(unit));
      m_textures[unit] = nullptr;
    }
  }
}

Texture *RenderState::textureAt(int unit) const {
  return unit >= 0 && uint32_t(unit) < m_textures.size() ? m_textures[unit] : nullptr;
}

bool RenderState::textureKnownAt(int unit) const {
  return unit >= 0 && uint32_t(unit) < m_textureKnown.size() && m_textureKnown[unit];
}

bool RenderState::allocateLightIndex(int &out) {
  for (uint32_t i = 0; i < m_lightIndexFree.size(); ++i) {
    if (m_lightIndexFree[i]) {
      m_lightIndexFree[i] = false;
      out = int(i);
      return true;
    }
  }
  if (int(m_lightIndexFree.size()) < maxLights()) {
    out = int(m_lightIndexFree.size());
    m_lightIndexFree.push(false);
    return true;
  }
  return false;
}

void RenderState::releaseLightIndex(int index) {
  if (index >= 0 && uint32_t(index) < m_lightIndexFree.size())
    m_lightIndexFree[index] = true;
}

} // namespace video
