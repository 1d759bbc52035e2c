#include "mesh/MeshBuild.h"

namespace mesh {

namespace {
const uint32_t indexLimit = 65536;
}

MeshDefinition *newBuiltDefinition(Symbol name, uint32_t format, uint32_t count) {
  if (count == 0 || count > indexLimit)
    return nullptr;
  auto *definition = new MeshDefinition(name, format, false, true);
  definition->allocate(count);
  return definition;
}

void setBuiltVertex(MeshDefinition &definition, uint32_t i, const math::Vector3 &position,
                    const math::Vector3 &normal, const math::Vector2 &texCoord) {
  definition.position(i) = position;
  if (definition.hasNormals())
    definition.normal(i) = normal;
  definition.texCoord(i) = texCoord;
}

IndexList *runOfIndices(uint32_t primitive, uint32_t first, uint32_t count) {
  auto *list = new IndexList(primitive);
  list->resize(count);
  for (uint32_t k = 0; k < count; ++k)
    (*list)[k] = static_cast<unsigned short>(first + k);
  return list;
}

} // namespace mesh
