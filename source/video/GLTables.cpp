#include "video/GLTables.h"

#include "surface/PixelBuffer.h"
#include "video/VertexRenderer.h"

#include <GLES/gl.h>

namespace video {

void glFormatForPixelFormat(int pixelFormat, unsigned int &format, unsigned int &type) {
  switch (pixelFormat) {
  case PixelBuffer::RGB565:
    format = GL_RGB;
    type = GL_UNSIGNED_SHORT_5_6_5;
    break;
  case PixelBuffer::RGBA5551:
    format = GL_RGBA;
    type = GL_UNSIGNED_SHORT_5_5_5_1;
    break;
  case PixelBuffer::RGBA4444:
    format = GL_RGBA;
    type = GL_UNSIGNED_SHORT_4_4_4_4;
    break;
  case PixelBuffer::RGB888:
    format = GL_RGB;
    type = GL_UNSIGNED_BYTE;
    break;
  case PixelBuffer::RGBA8888:
    format = GL_RGBA;
    type = GL_UNSIGNED_BYTE;
    break;
  default:
    break;
  }
}

unsigned int glPrimitiveMode(int primitive) {
  switch (primitive) {
  case PRIMITIVE_TRIANGLE_STRIP:
    return GL_TRIANGLE_STRIP;
  case PRIMITIVE_TRIANGLE_FAN:
    return GL_TRIANGLE_FAN;
  default:
    return GL_TRIANGLES;
  }
}

} // namespace video
