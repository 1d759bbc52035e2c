// Mesh drawing: the definition's arrays in static buffer objects, uploaded
// on the first draw and only bound afterwards, or, when the definition asks
// for no buffers, through the vertex renderer.

#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "video/BufferObject.h"
#include "video/GLTables.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLFunctions.h"
#include "video/Shader.h"
#include "video/VertexRenderer.h"

#include <GLES/gl.h>

namespace video {

namespace {

const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);

bool buffersAvailable() {
  return OpenGLFunctions::genBuffers && OpenGLFunctions::bindBuffer && OpenGLFunctions::bufferData;
}

// Binds the buffer, making and filling it first when it has no GL name.
void bindFilled(BufferObject *&buffer, GLenum target, uint32_t bytes, const void *data) {
  if (!buffer)
    buffer = BufferObjectPool::instance().create();
  if (buffer->name() == 0) {
    buffer->generate();
    OpenGLFunctions::bindBuffer(target, buffer->name());
    OpenGLFunctions::bufferData(target, GLsizeiptr(bytes), data, GL_STATIC_DRAW);
  } else {
    OpenGLFunctions::bindBuffer(target, buffer->name());
  }
}

// A list that names a vertex the definition does not have is not drawn: the
// GL would read past the arrays.
bool indicesInRange(const mesh::IndexList &list, uint32_t vertexCount) {
  for (uint32_t i = 0; i < list.count(); ++i)
    if (list[i] >= vertexCount)
      return false;
  return true;
}

} // namespace

void OpenGLCanvas::drawMesh(const mesh::Mesh &mesh) {
  mesh::MeshDefinition *definition = mesh.definition;
  if (!definition || definition->vertexCount() == 0 || definition->partCount() == 0)
    return;
  flush();
  OpenGLRenderState &state = m_renderState;
  state.setLighting(definition->hasNormals());
  state.setCulling(mesh.cull);
  state.setAlphaTest(mesh.alphaTest);
  state.setAlphaFunction(mesh.alphaFunction, mesh.alphaReference);
  int blend = effectiveBlendMode(mesh.blend);
  state.setBlendMode(blend);
  state.setBlending(definition->alwaysBlend || blendAlwaysBlends(blend));
  state.setDepthWrite(effectiveDepthWrite(mesh.depthWrite));
  state.setDepthTest(effectiveDepthTest(mesh.depthTest));
  state.setDepthFunction(effectiveDepthFunction(COMPARE_LESS_OR_EQUAL));
  applyMatrices();
  m_color = white;
  applyColor();

  const uint32_t count = definition->vertexCount();
  const bool buffers = definition->useBufferObjects && buffersAvailable();
  const bool twoD = definition->isTwoDimensional();
  const bool colors = definition->hasColors() && definition->colors();
  const bool normals = definition->hasNormals() && definition->normals();
  const bool texCoords = definition->hasTexCoords() && definition->texCoords();
  if (buffers) {
    if (twoD)
      bindFilled(definition->buffer(mesh::ARRAY_POSITIONS), GL_ARRAY_BUFFER, count * 8u,
                 definition->positions2D());
    else
      bindFilled(definition->buffer(mesh::ARRAY_POSITIONS), GL_ARRAY_BUFFER, count * 12u,
                 definition->positions());
    glVertexPointer(twoD ? 2 : 3, GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_VERTEX_ARRAY);
    if (colors) {
      bindFilled(definition->buffer(mesh::ARRAY_COLORS), GL_ARRAY_BUFFER, count * 4u,
                 definition->colors());
      glColorPointer(4, GL_UNSIGNED_BYTE, 0, nullptr);
      glEnableClientState(GL_COLOR_ARRAY);
    }
    if (normals) {
      bindFilled(definition->buffer(mesh::ARRAY_NORMALS), GL_ARRAY_BUFFER, count * 12u,
                 definition->normals());
      glNormalPointer(GL_FLOAT, 0, nullptr);
      glEnableClientState(GL_NORMAL_ARRAY);
    }
    if (texCoords) {
      bindFilled(definition->buffer(mesh::ARRAY_TEXCOORDS), GL_ARRAY_BUFFER, count * 8u,
                 definition->texCoords());
      glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    }
  }

  const bool shaders = OpenGLFunctions::shadersSupported();
  for (uint32_t p = 0; p < definition->partCount(); ++p) {
    mesh::MeshPart &part = definition->part(p);
    if (part.indexLists.isEmpty())
      continue;
    if (shaders) {
      if (!part.shader || !part.shader->use())
        OpenGLFunctions::useNoProgram();
    }
    if (part.textureCount() == 0) {
      state.setTexture(nullptr, 0);
    } else {
      for (uint32_t unit = 0; unit < part.textureCount(); ++unit) {
        state.setTextureStyle(effectiveTextureStyle(part.unitValue(int(unit)), int(unit)),
                              int(unit));
        state.setTexture(part.texture(int(unit)), int(unit));
      }
    }
    state.setShadeModel(part.shadeModel == 1 ? SHADE_FLAT : SHADE_SMOOTH);
    if (definition->hasNormals())
      setMaterial(part.material);
    for (mesh::IndexList *list : part.indexLists) {
      if (list->count() == 0 || !indicesInRange(*list, count))
        continue;
      if (buffers) {
        bindFilled(list->elementBuffer, GL_ELEMENT_ARRAY_BUFFER, list->count() * 2u, list->data());
        glDrawElements(GLenum(glPrimitiveMode(int(list->primitive))), GLsizei(list->count()),
                       GL_UNSIGNED_SHORT, nullptr);
        continue;
      }
      VertexRenderer &vr = vertexRenderer();
      vr.begin(definition->hasNormals() ? FORMAT_LIT : FORMAT_COLORED, int(list->primitive));
      for (uint32_t i = 0; i < list->count(); ++i) {
        uint32_t v = (*list)[i];
        if (texCoords)
          vr.texCoord(definition->texCoord(v));
        if (normals)
          vr.normal(definition->normal(v));
        // Through the colour stack: the debug view tints its meshes so.
        if (colors)
          setColor(math::Color(definition->color(v)));
        if (twoD) {
          const math::Vector2 &q = definition->position2D(v);
          vr.vertex(q.x, q.y, 0.0f);
        } else {
          vr.vertex(definition->position(v));
        }
      }
      vr.end();
    }
    for (uint32_t unit = 0; unit < part.textureCount(); ++unit)
      state.setTexture(nullptr, int(unit));
    if (shaders && part.shader) {
      part.shader->unuse();
      OpenGLFunctions::useNoProgram();
    }
  }

  if (buffers) {
    if (colors) {
      glDisableClientState(GL_COLOR_ARRAY);
      m_sentColorValid = false;
    }
    if (normals)
      glDisableClientState(GL_NORMAL_ARRAY);
    if (texCoords)
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    OpenGLFunctions::bindBuffer(GL_ARRAY_BUFFER, 0);
    OpenGLFunctions::bindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  }
  state.setAlphaTest(false);
  if (shaders)
    OpenGLFunctions::useNoProgram();
}

} // namespace video
