#pragma once
// Every change of fixed-function GL state goes through the canvas's render
// state. It keeps the last value of each setting and calls its virtual apply
// operation only when a setter is given a different value, so the GL sees each
// change once. The cached values mean something after the first reset, which
// the window performs after every video mode set.

#include "container/Vector.h"
#include "math/Color.h"
#include "video/RenderKeywords.h"

#include <cstdint>

class Texture;

namespace video {

struct Light;

class RenderState {
public:
  RenderState() = default;
  RenderState(const RenderState &) = delete;
  RenderState &operator=(const RenderState &) = delete;
  virtual ~RenderState() = default;

  virtual void reset();
  virtual void enableLight(Light &light) = 0;
  virtual void disableLight(const Light &light) = 0;
  virtual int maxLights() const = 0;

  void setShadeModel(int model);
  void setBlendMode(int mode);
  void setBlending(bool on);
  void setPerspective(bool on);
  void setTextureMatrix(bool on);
  void setShapeMode(bool on);
  void setLighting(bool on);
  void setFog(bool on);
  void setCulling(bool on);
  void setCullMode(int mode);
  void setDepthWrite(bool on);
  void setDepthTest(bool on);
  void setDepthFunction(int function);
  void setAlphaTest(bool on);
  void setAlphaFunction(int function, float reference);
  void setStencilMask(uint32_t mask);
  void setStencilTest(bool on);
  void setStencilFunction(int function, int reference, uint32_t mask);
  void setStencilOperation(int fail, int depthFail, int pass);
  void setTextureEnvColor(const math::Color &color);

  int shadeModel() const { return m_shadeModel; }
  int blendMode() const { return m_blendMode; }
  bool blending() const { return m_blending; }
  bool perspective() const { return m_perspective; }
  bool textureMatrix() const { return m_textureMatrix; }
  bool shapeMode() const { return m_shapeMode; }
  bool lighting() const { return m_lighting; }
  bool fog() const { return m_fog; }
  bool culling() const { return m_culling; }
  int cullMode() const { return m_cullMode; }
  bool depthWrite() const { return m_depthWrite; }
  bool depthTest() const { return m_depthTest; }
  int depthFunction() const { return m_depthFunction; }
  bool alphaTest() const { return m_alphaTest; }
  int alphaFunction() const { return m_alphaFunction; }
  float alphaReference() const { return m_alphaReference; }
  uint32_t stencilMask() const { return m_stencilMask; }
  bool stencilTest() const { return m_stencilTest; }
  int stencilFunction() const { return m_stencilFunction; }
  int stencilReference() const { return m_stencilReference; }
  uint32_t stencilFunctionMask() const { return m_stencilFunctionMask; }
  int stencilFail() const { return m_stencilFail; }
  int stencilDepthFail() const { return m_stencilDepthFail; }
  int stencilPass() const { return m_stencilPass; }
  const math::Color &textureEnvColor() const { return m_textureEnvColor; }

  // Per texture unit.
  void setTextureStyle(uint32_t word, int unit);
  // The unit's word; "normal" for a unit never set.
  uint32_t textureStyle(int unit) const;
  void setTexture(Texture *texture, int unit);
  // A texture was bound on the unit outside the render state (upload).
  void noteTextureBound(Texture *texture, int unit);
  // Unbinds a texture that is going away from every unit holding it.
  void forgetTexture(Texture *texture);
  Texture *textureAt(int unit) const;
  bool textureKnownAt(int unit) const;

  // A pool of light numbers below maxLights().
  bool allocateLightIndex(int &out);
  void releaseLightIndex(int index);

  // Asks the application's pre-render step to clear the colour buffer. It
  // has no GL state of its own, and a reset leaves it as it is.
  void setFrameClear(bool on) { m_frameClear = on; }
  bool frameClear() const { return m_frameClear; }

protected:
  virtual void applyShadeModel(int model) = 0;
  virtual void applyBlendMode(int mode) = 0;
  virtual void applyBlending(bool on) = 0;
  virtual void applyCombineRGB(int function, int unit) = 0;
  virtual void applySourceRGB0(int source, int unit) = 0;
  virtual void applySourceRGB1(int source, int unit) = 0;
  virtual void applyCombineAlpha(int function, int unit) = 0;
  virtual void applySourceAlpha0(int source, int unit) = 0;
  virtual void applySourceAlpha1(int source, int unit) = 0;
  virtual void applyTextureEnvColor(const math::Color &color) = 0;
  virtual void applyTexture(Texture *texture, int unit) = 0;
  virtual void applyPerspective(bool on) = 0;
  virtual void applyTextureMatrix(bool on) = 0;
  virtual void applyShapeMode(bool on) = 0;
  virtual void applyLighting(bool on) = 0;
  virtual void applyFog(bool on) = 0;
  virtual void applyCulling(bool on) = 0;
  virtual void applyCullMode(int mode) = 0;
  virtual void applyDepthWrite(bool on) = 0;
  virtual void applyDepthTest(bool on) = 0;
  virtual void applyDepthFunction(int function) = 0;
  virtual void applyAlphaTest(bool on) = 0;
  virtual void applyAlphaFunction(int function, float reference) = 0;
  virtual void applyStencilMask(uint32_t mask) = 0;
  virtual void applyStencilTest(bool on) = 0;
  virtual void applyStencilFunction(int function, int reference, uint32_t mask) = 0;
  virtual void applyStencilOperation(int fail, int depthFail, int pass) = 0;

  bool m_frameClear = true;
  // The cached values, in the order of their slots.
  int m_shadeModel = SHADE_SMOOTH;
  int m_blendMode = BLEND_SOURCE_ONLY;
  container::Vector<uint32_t> m_textureStyles;
  bool m_blending = false;
  math::Color m_textureEnvColor{0.0f, 0.0f, 0.0f, 0.0f};
  container::Vector<Texture *> m_textures;
  container::Vector<bool> m_textureKnown;
  bool m_perspective = true;
  bool m_textureMatrix = false;
  bool m_shapeMode = false;
  bool m_lighting = false;
  container::Vector<bool> m_lightIndexFree;
  bool m_fog = false;
  bool m_culling = false;
  int m_cullMode = CULL_BACK;
  bool m_depthWrite = true;
  bool m_depthTest = true;
  int m_depthFunction = COMPARE_LESS_OR_EQUAL;
  bool m_alphaTest = false;
  int m_alphaFunction = COMPARE_ALWAYS;
  float m_alphaReference = 0.0f;
  uint32_t m_stencilMask = 0xFFFFFFFFu;
  bool m_stencilTest = false;
  int m_stencilFunction = COMPARE_ALWAYS;
  int m_stencilReference = 0;
  uint32_t m_stencilFunctionMask = 0xFFFFFFFFu;
  int m_stencilFail = STENCIL_KEEP;
  int m_stencilDepthFail = STENCIL_KEEP;
  int m_stencilPass = STENCIL_KEEP;
};

} // namespace video
