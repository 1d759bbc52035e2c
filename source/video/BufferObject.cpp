#include "video/BufferObject.h"

#include "video/OpenGLFunctions.h"

namespace video {

void BufferObject::generate() {
  if (OpenGLFunctions::genBuffers) {
    GLuint name = 0;
    OpenGLFunctions::genBuffers(1, &name);
    m_name = name;
  }
}

static_assert(BufferObject::ARRAY == GL_ARRAY_BUFFER &&
              BufferObject::ELEMENTS == GL_ELEMENT_ARRAY_BUFFER);

bool BufferObject::fill(Target target, const void *data, size_t bytes) {
  if (!OpenGLFunctions::bindBuffer || !OpenGLFunctions::bufferData)
    return false;
  if (m_name == 0)
    generate();
  if (m_name == 0)
    return false;
  OpenGLFunctions::bindBuffer(GLenum(target), m_name);
  OpenGLFunctions::bufferData(GLenum(target), GLsizeiptr(bytes), data, GL_STATIC_DRAW);
  OpenGLFunctions::bindBuffer(GLenum(target), 0);
  return true;
}

void BufferObject::release() {
  if (m_name == 0)
    return;
  if (OpenGLFunctions::deleteBuffers) {
    GLuint name = m_name;
    OpenGLFunctions::deleteBuffers(1, &name);
  }
  m_name = 0;
}

namespace {
BufferObjectPool *pool = nullptr;
}

BufferObjectPool &BufferObjectPool::instance() {
  if (!pool)
    pool = new BufferObjectPool;
  return *pool;
}

void BufferObjectPool::destroyInstance() {
  delete pool;
  pool = nullptr;
}

BufferObject *BufferObjectPool::create() {
  BufferObject *object = new BufferObject;
  m_objects.push(object);
  return object;
}

void BufferObjectPool::destroy(BufferObject *object) {
  int i = m_objects.indexOf(object);
  if (i < 0)
    return;
  m_objects.removeSwap(uint32_t(i));
  delete object;
}

void BufferObjectPool::releaseAll() {
  for (BufferObject *object : m_objects)
    object->release();
}

} // namespace video
