// The OpenGL canvas's terrain drawing: layers and the coastline strip from
// buffer objects, surf ribbons through the vertex renderer.

#include "video/BufferObject.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLFunctions.h"
#include "video/RenderState.h"
#include "video/TerrainSurface.h"
#include "video/VertexRenderer.h"

#include <GLES/gl.h>

namespace video {

namespace {

bool ready(const BufferObject *buffer) { return buffer && buffer->name() != 0; }

// Positions, colours and coordinates from three buffers, the arrays on.
void bindVertexBuffers(const BufferObject &positions, const BufferObject &colors,
                       const BufferObject &coordinates) {
  OpenGLFunctions::bindBuffer(GL_ARRAY_BUFFER, positions.name());
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, nullptr);
  OpenGLFunctions::bindBuffer(GL_ARRAY_BUFFER, colors.name());
  glEnableClientState(GL_COLOR_ARRAY);
  glColorPointer(4, GL_UNSIGNED_BYTE, 0, nullptr);
  OpenGLFunctions::bindBuffer(GL_ARRAY_BUFFER, coordinates.name());
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
}

void unbindVertexBuffers() {
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  OpenGLFunctions::bindBuffer(GL_ARRAY_BUFFER, 0);
}

} // namespace

void OpenGLCanvas::drawTerrainLayer(TerrainLayerBuffers &layer, bool first) {
  TerrainBlock &block = layer.blocks[first ? 0 : 1];
  if (block.indices.isEmpty() && block.extraCount == 0)
    return;
  if (!OpenGLFunctions::bindBuffer)
    return;
  bool drawn = false;
  if (!block.indices.isEmpty() && ready(layer.positions) && ready(layer.colors) &&
      ready(layer.coordinates) && ready(block.indexBuffer)) {
    bindVertexBuffers(*layer.positions, *layer.colors, *layer.coordinates);
    OpenGLFunctions::bindBuffer(GL_ELEMENT_ARRAY_BUFFER, block.indexBuffer->name());
    glDrawElements(GL_TRIANGLE_STRIP, GLsizei(block.indices.size()), GL_UNSIGNED_SHORT, nullptr);
    OpenGLFunctions::bindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    drawn = true;
  }
  if (block.extraCount > 0 && ready(block.extraPositions) && ready(block.extraColors) &&
      ready(block.extraCoordinates)) {
    bindVertexBuffers(*block.extraPositions, *block.extraColors, *block.extraCoordinates);
    glDrawArrays(GL_TRIANGLES, 0, GLsizei(block.extraCount));
    drawn = true;
  }
  if (drawn) {
    m_sentColorValid = false;
    unbindVertexBuffers();
  }
}

void OpenGLCanvas::drawTerrainStrip(TerrainSurface &terrain) {
  TerrainStrip *strip = terrain.strip();
  if (!strip || strip->vertexCount == 0 || !OpenGLFunctions::bindBuffer)
    return;
  flush();
  terrain.refreshStrip();
  if (!ready(strip->positions) || !ready(strip->colors) || !ready(strip->coordinates))
    return;
  m_renderState.setShadeModel(SHADE_FLAT);
  applyRenderPass(strip->renderPass);
  applyMatrices();
  bindVertexBuffers(*strip->positions, *strip->colors, *strip->coordinates);
  glDrawArrays(GL_TRIANGLE_STRIP, 0, GLsizei(strip->vertexCount));
  m_sentColorValid = false;
  unbindVertexBuffers();
  releaseRenderPass(strip->renderPass);
}

void OpenGLCanvas::drawTerrainRibbons(TerrainSurface &terrain) {
  TerrainRibbons *ribbons = terrain.ribbons();
  if (!ribbons)
    return;
  flush();
  m_renderState.setShadeModel(SHADE_FLAT);
  applyRenderPass(ribbons->renderPass);
  applyMatrices();
  VertexRenderer &renderer = vertexRenderer();
  for (const TerrainRibbon &loop : ribbons->loops) {
    uint32_t n = loop.inner.size() < loop.outer.size() ? loop.inner.size() : loop.outer.size();
    if (n == 0)
      continue;
    renderer.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_STRIP);
    float u = 0.0f;
    for (uint32_t k = 0; k <= n; ++k) {
      uint32_t at = k == n ? 0 : k;
      renderer.texCoord(u, 0.0f);
      renderer.vertex(loop.inner[at]);
      renderer.texCoord(u, 1.0f);
      renderer.vertex(loop.outer[at]);
      if (k < loop.segmentLengths.size())
        u += 0.02f * loop.segmentLengths[k];
    }
    renderer.end();
  }
  releaseRenderPass(ribbons->renderPass);
}

} // namespace video
