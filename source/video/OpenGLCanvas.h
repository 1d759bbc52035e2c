#pragma once
// The canvas on OpenGL ES 1.x: vertex arrays, fixed-function state through
// its render state, lights, fog, clip planes, point sprites and pixel
// read-back. It sends a colour only when it differs from the one sent last.

#include "math/Color.h"
#include "video/Canvas.h"
#include "video/OpenGLRenderState.h"

namespace video {

class OpenGLVertexRenderer;

class OpenGLCanvas : public Canvas {
public:
  // The render state's cached values become valid at the window's reset.
  OpenGLCanvas();
  ~OpenGLCanvas() override;

  OpenGLCanvas *asOpenGLCanvas() override { return this; }
  void flushBackend() override { Canvas::flush(); }
  void clear(int flags) override;
  void endFrame() override;
  void setMaterial(const Material &material) override;
  void setFog(const Fog &fog) override;
  void disableFog() override;
  // Planes 1 to 5 by their number; any other index is plane 0.
  void enableClipPlane(int index, const float plane[4]) override;
  void disableClipPlane(int index) override;
  using Canvas::disableClipPlane;
  using Canvas::enableClipPlane;
  void drawPoints(const float *positions, int count, int components, const uint8_t *colors,
                  const float *sizes, int sizeCount, float fadeThreshold,
                  const float attenuation[3], RenderPass &pass) override;
  // From buffer objects made on the first draw, or through the vertex
  // renderer when the definition asks for none.
  void drawMesh(const mesh::Mesh &mesh) override;
  bool readPixels(const math::Rectangle &rectangle, int pixelFormat, PixelBuffer &buffer) override;
  void drawQuadBatch(QuadBatch &batch) override;
  void drawVertices(VertexRenderer &renderer) override;
  VertexRenderer &vertexRenderer() override;
  void applyMatrices() override;
  void applyClearColor() override;
  // Terrain layers, coastline strip and surf ribbons.
  void drawTerrainRibbons(TerrainSurface &terrain) override;
  void drawTerrainStrip(TerrainSurface &terrain) override;
  void drawTerrainLayer(TerrainLayerBuffers &layer, bool first) override;
  RenderState &renderState() override { return m_renderState; }
  const RenderState &renderState() const override { return m_renderState; }

  // Sends the current drawing colour unless it was the last one sent.
  void applyColor();
  bool sentColorValid() const { return m_sentColorValid; }

private:
  void sendColor(const math::Color &color);

  OpenGLRenderState m_renderState;
  OpenGLVertexRenderer *m_vertexRenderer;
  math::Color m_sentColor;
  bool m_sentColorValid = false;
};

} // namespace video
