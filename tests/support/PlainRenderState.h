#pragma once
// A render state that touches no graphics library: it only keeps its values.

#include "video/RenderState.h"

#include <cstdint>

namespace testing_support {

class PlainRenderState : public video::RenderState {
public:
  void enableLight(video::Light &) override {}
  void disableLight(const video::Light &) override {}
  int maxLights() const override { return 8; }

protected:
  void applyShadeModel(int) override {}
  void applyBlendMode(int) override {}
  void applyBlending(bool) override {}
  void applyCombineRGB(int, int) override {}
  void applySourceRGB0(int, int) override {}
  void applySourceRGB1(int, int) override {}
  void applyCombineAlpha(int, int) override {}
  void applySourceAlpha0(int, int) override {}
  void applySourceAlpha1(int, int) override {}
  void applyTextureEnvColor(const math::Color &) override {}
  void applyTexture(Texture *, int) override {}
  void applyPerspective(bool) override {}
  void applyTextureMatrix(bool) override {}
  void applyShapeMode(bool) override {}
  void applyLighting(bool) override {}
  void applyFog(bool) override {}
  void applyCulling(bool) override {}
  void applyCullMode(int) override {}
  void applyDepthWrite(bool) override {}
  void applyDepthTest(bool) override {}
  void applyDepthFunction(int) override {}
  void applyAlphaTest(bool) override {}
  void applyAlphaFunction(int, float) override {}
  void applyStencilMask(uint32_t) override {}
  void applyStencilTest(bool) override {}
  void applyStencilFunction(int, int, uint32_t) override {}
  void applyStencilOperation(int, int, int) override {}
};

} // namespace testing_support
