#pragma once
// Named vertex data for the canvas: parallel arrays of positions (2-D or
// 3-D), colours, normals and texture coordinates, and the parts that draw
// them. The canvas keeps the arrays in buffer objects from the first draw
// on; whoever changes the vertices afterwards releases the buffers.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "mesh/MeshPart.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Database;
class Texture;
namespace video {
class BufferObject;
class Shader;
} // namespace video

namespace mesh {

// Bits of a definition's format.
enum MeshFormat { MESH_PLAIN = 0, MESH_NORMALS = 1, MESH_COLORS = 2, MESH_NORMALS_AND_COLORS = 3 };

// The four vertex arrays, each with its buffer object.
enum VertexArray { ARRAY_POSITIONS, ARRAY_COLORS, ARRAY_NORMALS, ARRAY_TEXCOORDS, ARRAY_COUNT };

class MeshDefinition : public NonCopyable {
public:
  // No parts, no arrays, no vertices.
  MeshDefinition(Symbol name, uint32_t format, bool twoDimensional, bool hasTexCoords);
  // Frees the arrays, destroys the buffers and deletes the parts.
  ~MeshDefinition();

  // Frees the arrays and makes them anew for count vertices: positions,
  // normals and coordinates zero, colours opaque white. Buffers made
  // earlier stay until releaseBuffers.
  void allocate(uint32_t count);

  Symbol name() const { return m_name; }
  uint32_t vertexCount() const { return m_vertexCount; }
  uint32_t format() const { return m_format; }
  bool hasNormals() const { return (m_format & MESH_NORMALS) != 0; }
  bool hasColors() const { return (m_format & MESH_COLORS) != 0; }
  bool hasTexCoords() const { return m_hasTexCoords; }
  bool isTwoDimensional() const { return m_twoDimensional; }

  // Elements, unchecked: the array must exist and i be below the count.
  math::Vector2 &position2D(uint32_t i) { return m_positions2D[i]; }
  math::Vector3 &position(uint32_t i) { return m_positions[i]; }
  math::PackedColor &color(uint32_t i) { return m_colors[i]; }
  math::Vector3 &normal(uint32_t i) { return m_normals[i]; }
  math::Vector2 &texCoord(uint32_t i) { return m_texCoords[i]; }
  const math::Vector2 &position2D(uint32_t i) const { return m_positions2D[i]; }
  const math::Vector3 &position(uint32_t i) const { return m_positions[i]; }
  const math::PackedColor &color(uint32_t i) const { return m_colors[i]; }
  const math::Vector3 &normal(uint32_t i) const { return m_normals[i]; }
  const math::Vector2 &texCoord(uint32_t i) const { return m_texCoords[i]; }
  // The arrays; null where the definition has none.
  const math::Vector2 *positions2D() const { return m_positions2D; }
  const math::Vector3 *positions() const { return m_positions; }
  const math::PackedColor *colors() const { return m_colors; }
  const math::Vector3 *normals() const { return m_normals; }
  const math::Vector2 *texCoords() const { return m_texCoords; }

  // Takes ownership.
  void addPart(MeshPart *part) { m_parts.push(part); }
  uint32_t partCount() const { return m_parts.size(); }
  MeshPart &part(uint32_t i) { return *m_parts[i]; }
  const MeshPart &part(uint32_t i) const { return *m_parts[i]; }

  // In every part.
  void setTexture(Texture *texture, int unit);
  // The texture of that name in the database's texture manager.
  void setTextureByName(const Database &database, Symbol name, int unit);
  void setUnitValue(uint32_t value, int unit);
  void setPartValue(video::Shader *shader);
  void offsetTexCoords(const math::Vector2 &offset);

  // The GL names of the vertex and element buffers go; the next draw
  // uploads the arrays again.
  void releaseBuffers();
  // Made by the canvas from the pool on the first draw.
  video::BufferObject *&buffer(int array) { return m_buffers[array]; }

  // The canvas keeps the arrays in buffer objects.
  bool useBufferObjects = true;
  // The canvas blends the mesh whatever its blend mode.
  bool alwaysBlend = false;

private:
  void freeArrays();

  Symbol m_name;
  container::Vector<MeshPart *> m_parts;
  uint32_t m_vertexCount = 0;
  math::Vector2 *m_positions2D = nullptr;
  math::Vector3 *m_positions = nullptr;
  math::PackedColor *m_colors = nullptr;
  math::Vector3 *m_normals = nullptr;
  math::Vector2 *m_texCoords = nullptr;
  video::BufferObject *m_buffers[ARRAY_COUNT] = {};
  uint32_t m_format;
  bool m_hasTexCoords;
  bool m_twoDimensional;
};

} // namespace mesh
