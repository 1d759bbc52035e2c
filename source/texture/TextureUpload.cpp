// A simple texture's OpenGL object: made and filled on first use, released
// around video mode changes.

#include "texture/TextureSimple.h"

#include "surface/Reports.h"
#include "surface/ULVLoader.h"
#include "texture/PVRTC.h"
#include "texture/TextureManager.h"
#include "video/Canvas.h"
#include "video/GLTables.h"
#include "video/RenderState.h"

#include <GLES/gl.h>

namespace {

// False for a format OpenGL ES cannot take (rgb555, none): nothing is read.
bool uploadLevel(int level, uint32_t width, uint32_t height, int pixelFormat, const void *bytes) {
  unsigned int format = 0, type = 0;
  video::glFormatForPixelFormat(pixelFormat, format, type);
  if (!format)
    return false;
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, level, GLint(format), GLsizei(width), GLsizei(height), 0,
               GLenum(format), GLenum(type), bytes);
  return true;
}

} // namespace

void TextureSimple::load() {
  if (m_glName)
    return;
  m_uploaded = false;
  createOpenGLTexture();
  uploadOpenGLPixelData();
}

void TextureSimple::unload() {
  if (!m_glName)
    return;
  if (video::Canvas *canvas = video::Canvas::instance()) {
    canvas->flush();
    canvas->renderState().forgetTexture(this);
  }
  GLuint name = m_glName;
  glDeleteTextures(1, &name);
  m_glName = 0;
  if (inMonolith) {
    delete m_pixels;
    m_pixels = nullptr;
  }
  m_uploaded = false;
}

void TextureSimple::reload() {
  if (!m_glName) {
    load();
    return;
  }
  if (video::Canvas *canvas = video::Canvas::instance())
    canvas->flush();
  m_uploaded = false;
  uploadOpenGLPixelData();
}

void TextureSimple::bind() {
  glBindTexture(GL_TEXTURE_2D, m_glName);
  if (video::Canvas *canvas = video::Canvas::instance())
    canvas->renderState().noteTextureBound(this, 0);
}

void TextureSimple::createOpenGLTexture() {
  if (m_glName) {
    GLuint old = m_glName;
    glDeleteTextures(1, &old);
  }
  GLuint name = 0;
  glGenTextures(1, &name);
  m_glName = name;
  bind();
  if (!wrap) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  }
  if (mipmap) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_TRUE);
  } else {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  }
}

void TextureSimple::uploadOpenGLPixelData() {
  if (!m_pixels && !inMonolith)
    return;
  bind();
  if (m_pixels) {
    m_uploaded =
        uploadLevel(0, m_pixels->width(), m_pixels->height(), m_pixels->format(), m_pixels->data());
    if (inMonolith) {
      delete m_pixels;
      m_pixels = nullptr;
    }
  } else {
    uploadStored();
  }
  if (!m_uploaded)
    RENDER_WARNING(L"uploadOpenGLPixelData",
                   String(L"Failed to create OpenGL texture object: ") + name().toString());
}

void TextureSimple::uploadStored() {
  switch (address.format) {
  case TEXTURE_PVR:
    m_uploaded = uploadPVR();
    break;
  case TEXTURE_ULV:
    m_uploaded = uploadULV();
    break;
  case TEXTURE_PNG:
  case TEXTURE_JPEG: {
    TextureManager *owner = manager();
    PixelBuffer scratch;
    PixelBuffer &image = owner ? owner->sharedPixels() : scratch;
    image.clear();
    loadPixelBuffer(image);
    m_uploaded = image.isValid() &&
                 uploadLevel(0, image.width(), image.height(), image.format(), image.data());
    break;
  }
  default:
    break;
  }
}

bool TextureSimple::uploadULV() {
  TextureManager *owner = manager();
  if (!owner || !owner->monolith().hasFile())
    return false;
  file::FileWrapper &file = owner->monolith();
  if (address.colorOffset > file.size())
    return false;
  file.seek(address.colorOffset);
  ULVHeader header;
  file::BufferBinary &image = owner->readBuffer();
  if (!ULVLoader::read(file, header, image))
    return false;
  for (uint32_t level = 0, n = ULVLoader::levelCount(header); level < n; ++level)
    if (!uploadLevel(int(level), header.width >> level, header.height >> level, header.format,
                     ULVLoader::levelData(header, image, level)))
      return false;
  return true;
}

bool TextureSimple::uploadPVR() {
  TextureManager *owner = manager();
  if (!owner || !owner->monolith().hasFile())
    return false;
  file::FileWrapper &file = owner->monolith();
  const uint64_t end = uint64_t(address.colorOffset) + address.colorSize;
  if (end > file.size())
    return false;
  file::BufferBinary &buffer = owner->readBuffer();
  buffer.clear();
  buffer.resize(address.colorSize);
  file.seek(address.colorOffset);
  file.produceBytes(buffer.data(), address.colorSize);
  uint32_t width = 0, height = 0;
  bool alpha = false;
  return uploadPVRTC(buffer, width, height, alpha);
}
