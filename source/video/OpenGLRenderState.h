#pragma once
// The render state's operations as OpenGL ES 1.x calls.

#include "video/RenderState.h"

namespace video {

class OpenGLRenderState : public RenderState {
public:
  // Leaves the cached values of a new GL context, issuing only the normal
  // blend factors and the combine mode of every texture unit.
  void reset() override;
  void enableLight(Light &light) override;
  void disableLight(const Light &light) override;
  int maxLights() const override { return 8; }

  int activeTextureUnit() const { return m_activeTextureUnit; }

protected:
  void applyShadeModel(int model) override;
  void applyBlendMode(int mode) override;
  void applyBlending(bool on) override;
  void applyCombineRGB(int function, int unit) override;
  void applySourceRGB0(int source, int unit) override;
  void applySourceRGB1(int source, int unit) override;
  void applyCombineAlpha(int function, int unit) override;
  void applySourceAlpha0(int source, int unit) override;
  void applySourceAlpha1(int source, int unit) override;
  void applyTextureEnvColor(const math::Color &color) override;
  void applyTexture(Texture *texture, int unit) override;
  void applyPerspective(bool) override {}
  void applyTextureMatrix(bool) override {}
  void applyShapeMode(bool) override {}
  void applyLighting(bool on) override;
  void applyFog(bool on) override;
  void applyCulling(bool on) override;
  void applyCullMode(int mode) override;
  void applyDepthWrite(bool on) override;
  void applyDepthTest(bool on) override;
  void applyDepthFunction(int function) override;
  void applyAlphaTest(bool on) override;
  void applyAlphaFunction(int function, float reference) override;
  void applyStencilMask(uint32_t mask) override;
  void applyStencilTest(bool on) override;
  void applyStencilFunction(int function, int reference, uint32_t mask) override;
  void applyStencilOperation(int fail, int depthFail, int pass) override;

  void selectUnit(int unit);

private:
  int m_activeTextureUnit = 0;
};

// The GL values of the render state's enumerations; false outside their tables.
bool glCompareFunction(int function, unsigned int &out);
bool glStencilOperation(int operation, unsigned int &out);

} // namespace video
