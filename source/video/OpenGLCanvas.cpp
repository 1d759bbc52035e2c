#include "video/OpenGLCanvas.h"

#include "math/Rectangle.h"
#include "platform/GLContext.h"
#include "surface/PixelBuffer.h"
#include "video/Fog.h"
#include "video/GLTables.h"
#include "video/Material.h"
#include "video/OpenGLFunctions.h"
#include "video/QuadBatch.h"
#include "video/RenderPass.h"
#include "video/VertexRenderer.h"

#include <GLES/gl.h>
#include <GLES/glext.h>

namespace video {

namespace {

const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);

GLenum clipPlaneNumber(int index) {
  return index >= 1 && index <= 5 ? GLenum(GL_CLIP_PLANE0 + index) : GLenum(GL_CLIP_PLANE0);
}

void loadGLMatrix(GLenum mode, const math::Matrix4 &m) {
  GLfloat values[16];
  math::Matrix4::toColumnMajor(m, values);
  glMatrixMode(mode);
  glLoadMatrixf(values);
}

void materialColor(GLenum name, const math::Color &c) {
  const GLfloat values[4] = {c.r, c.g, c.b, c.a};
  glMaterialfv(GL_FRONT_AND_BACK, name, values);
}

} // namespace

OpenGLCanvas::OpenGLCanvas() : m_vertexRenderer(new OpenGLVertexRenderer(*this)) {}

OpenGLCanvas::~OpenGLCanvas() { delete m_vertexRenderer; }

VertexRenderer &OpenGLCanvas::vertexRenderer() { return *m_vertexRenderer; }

void OpenGLCanvas::sendColor(const math::Color &color) {
  if (m_sentColorValid && color == m_sentColor)
    return;
  m_sentColor = color;
  m_sentColorValid = true;
  math::PackedColor packed(color);
  glColor4ub(packed.r, packed.g, packed.b, packed.a);
}

void OpenGLCanvas::applyColor() { sendColor(m_color); }

void OpenGLCanvas::clear(int flags) {
  flush();
  GLbitfield bits = 0;
  if (flags & CLEAR_COLOR)
    bits |= GL_COLOR_BUFFER_BIT;
  if (flags & CLEAR_DEPTH) {
    m_renderState.setDepthWrite(true);
    bits |= GL_DEPTH_BUFFER_BIT;
  }
  if (flags & CLEAR_STENCIL)
    bits |= GL_STENCIL_BUFFER_BIT;
  glClear(bits);
}

void OpenGLCanvas::endFrame() {
  flush();
  platform::gl::swapBuffers();
}

void OpenGLCanvas::setMaterial(const Material &material) {
  materialColor(GL_AMBIENT, material.ambient);
  materialColor(GL_DIFFUSE, material.diffuse);
  materialColor(GL_SPECULAR, material.specular);
  materialColor(GL_EMISSION, material.emission);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.shininess);
}

void OpenGLCanvas::setFog(const Fog &fog) {
  flush();
  m_renderState.setFog(true);
  glFogf(GL_FOG_MODE, GL_LINEAR);
  const GLfloat color[4] = {fog.color.r, fog.color.g, fog.color.b, fog.color.a};
  glFogfv(GL_FOG_COLOR, color);
  glFogf(GL_FOG_DENSITY, fog.density);
  glFogf(GL_FOG_START, fog.start);
  glFogf(GL_FOG_END, fog.end);
}

void OpenGLCanvas::disableFog() { m_renderState.setFog(false); }

void OpenGLCanvas::enableClipPlane(int index, const float plane[4]) {
  flush();
  GLenum number = clipPlaneNumber(index);
  applyMatrices();
  glClipPlanef(number, plane);
  glEnable(number);
}

void OpenGLCanvas::disableClipPlane(int index) {
  flush();
  glDisable(clipPlaneNumber(index));
}

void OpenGLCanvas::applyMatrices() {
  if (m_changed[MODEL] || m_changed[VIEW]) {
    loadGLMatrix(GL_MODELVIEW, m_stacks[VIEW].top() * m_stacks[MODEL].top());
    m_changed[MODEL] = m_changed[VIEW] = 0;
  }
  if (m_changed[PROJECTION]) {
    loadGLMatrix(GL_PROJECTION, m_stacks[PROJECTION].top());
    m_changed[PROJECTION] = 0;
  }
  if (m_changed[TEXTURE]) {
    loadGLMatrix(GL_TEXTURE, m_stacks[TEXTURE].top());
    m_changed[TEXTURE] = 0;
  }
}

void OpenGLCanvas::applyClearColor() {
  glClearColor(m_clearColor.r, m_clearColor.g, m_clearColor.b, m_clearColor.a);
}

void OpenGLCanvas::drawVertices(VertexRenderer &renderer) {
  OpenGLVertexRenderer *arrays = renderer.asOpenGLVertexRenderer();
  if (!arrays)
    return;
  int count = arrays->vertexCount();
  if (count == 0)
    return;
  applyMatrices();
  m_color = white;
  applyColor();
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(arrays->twoD() ? 2 : 3, GL_FLOAT, 0, arrays->positions().data());
  // An array is drawn only when it holds data for every vertex: the GL would
  // read past a short one.
  bool texCoords = arrays->texCoords().size() >= 2u * uint32_t(count);
  bool colors =
      (renderer.format() & FORMAT_COLORS) && arrays->colors().size() >= 4u * uint32_t(count);
  bool normals =
      (renderer.format() & FORMAT_NORMALS) && arrays->normals().size() >= 3u * uint32_t(count);
  if (texCoords) {
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, arrays->texCoords().data());
  }
  if (colors) {
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, arrays->colors().data());
  }
  if (normals) {
    glEnableClientState(GL_NORMAL_ARRAY);
    glNormalPointer(GL_FLOAT, 0, arrays->normals().data());
  }
  glDrawArrays(GLenum(glPrimitiveMode(renderer.primitive())), 0, count);
  glDisableClientState(GL_VERTEX_ARRAY);
  if (texCoords)
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  if (colors) {
    glDisableClientState(GL_COLOR_ARRAY);
    m_sentColorValid = false;
  }
  if (normals)
    glDisableClientState(GL_NORMAL_ARRAY);
}

void OpenGLCanvas::drawQuadBatch(QuadBatch &batch) {
  if (batch.indexCount() == 0 || batch.vertexCount() == 0)
    return;
  applyBatchState(batch);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(batch.twoD() ? 2 : 3, GL_FLOAT, 0, batch.positions());
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glTexCoordPointer(2, GL_FLOAT, 0, batch.texCoords());
  bool colorArray = !batch.uniformColor();
  if (colorArray) {
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, batch.colors());
  } else {
    sendColor(batch.firstColor());
  }
  glDisableClientState(GL_NORMAL_ARRAY);
  glDrawElements(GL_TRIANGLES, GLsizei(batch.indexCount()), GL_UNSIGNED_SHORT, batch.indices());
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  if (colorArray) {
    glDisableClientState(GL_COLOR_ARRAY);
    m_sentColorValid = false;
  }
  releaseBatchState(batch);
}

void OpenGLCanvas::drawPoints(const float *positions, int count, int components,
                              const uint8_t *colors, const float *sizes, int sizeCount,
                              float fadeThreshold, const float attenuation[3], RenderPass &pass) {
  if (count <= 0 || !positions)
    return;
  if (sizeCount == 1 && (!sizes || sizes[0] <= 0.0f))
    return;
  flush();
  applyRenderPass(pass);
  applyMatrices();
  m_color = white;
  applyColor();
  if (sizeCount == 1)
    glPointSize(sizes[0]);
  if (OpenGLFunctions::pointParameterfv && OpenGLFunctions::pointParameterf) {
    OpenGLFunctions::pointParameterfv(GL_POINT_DISTANCE_ATTENUATION, attenuation);
    OpenGLFunctions::pointParameterf(GL_POINT_FADE_THRESHOLD_SIZE, fadeThreshold);
  }
  glTexEnvf(GL_POINT_SPRITE_OES, GL_COORD_REPLACE_OES, 1.0f);
  glEnable(GL_POINT_SPRITE_OES);
  glEnableClientState(GL_VERTEX_ARRAY);
  glVertexPointer(components, GL_FLOAT, 0, positions);
  if (colors) {
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, colors);
  }
  bool sizeArray = sizeCount > 1 && sizes;
  if (sizeArray) {
    glEnableClientState(GL_POINT_SIZE_ARRAY_OES);
    glPointSizePointerOES(GL_FLOAT, 0, sizes);
  }
  glDrawArrays(GL_POINTS, 0, count);
  glDisableClientState(GL_VERTEX_ARRAY);
  if (colors) {
    glDisableClientState(GL_COLOR_ARRAY);
    m_sentColorValid = false;
  }
  if (sizeArray)
    glDisableClientState(GL_POINT_SIZE_ARRAY_OES);
  glDisable(GL_POINT_SPRITE_OES);
  glTexEnvf(GL_POINT_SPRITE_OES, GL_COORD_REPLACE_OES, 0.0f);
  releaseRenderPass(pass);
}

bool OpenGLCanvas::readPixels(const math::Rectangle &rectangle, int pixelFormat,
                              PixelBuffer &buffer) {
  flush();
  int w = int(rectangle.width);
  int h = int(rectangle.height);
  uint32_t pixelBytes = PixelBuffer::bytesPerPixel(pixelFormat);
  if (w <= 0 || h <= 0 || pixelBytes == 0) {
    buffer.clear();
    return false;
  }
  GLint x = GLint(rectangle.x), y = GLint(rectangle.y);
  uint32_t rowBytes = uint32_t(w) * pixelBytes;
  // A format with no GL pair (rgb555) must not be read as four-byte pixels
  // into its two-byte rows.
  GLenum format = 0, type = 0;
  glFormatForPixelFormat(pixelFormat, format, type);
  bool direct = format != 0;
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
  buffer.create(uint32_t(w), uint32_t(h), pixelFormat, new uint8_t[rowBytes * uint32_t(h)]());
  if (direct) {
    glReadPixels(x, y, w, h, format, type, buffer.data());
    direct = glGetError() == GL_NO_ERROR;
  }
  if (!direct) {
    // Besides RGBA bytes the GL reads only one format of its own choice:
    // read RGBA and convert.
    PixelBuffer rgba;
    rgba.create(uint32_t(w), uint32_t(h), PixelBuffer::RGBA8888,
                new uint8_t[4u * uint32_t(w) * uint32_t(h)]());
    glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (uint32_t py = 0; py < uint32_t(h); ++py)
      for (uint32_t px = 0; px < uint32_t(w); ++px) {
        uint8_t r, g, b, a;
        rgba.getPixel(px, py, r, g, b, a);
        buffer.setPixel(px, py, r, g, b, a);
      }
  }
  // GL rows run bottom-up; the buffer's first row is the top of the screen.
  if (h >= 2) {
    for (int r = 0; r < h / 2; ++r) {
      uint8_t *a = buffer.rowAddress(uint32_t(r));
      uint8_t *b = buffer.rowAddress(uint32_t(h - 1 - r));
      for (uint32_t i = 0; i < rowBytes; ++i) {
        uint8_t t = a[i];
        a[i] = b[i];
        b[i] = t;
      }
    }
  }
  return true;
}

} // namespace video
