#pragma once
// What the mesh builders share: a new definition with its vertices
// allocated, and the writing of one vertex.

#include "math/Vector2.h"
#include "math/Vector3.h"
#include "mesh/MeshDefinition.h"

#include <cstdint>

namespace mesh {

// Null when count is 0 or beyond what 16-bit indices reach.
MeshDefinition *newBuiltDefinition(Symbol name, uint32_t format, uint32_t count);
// The normal only when the definition has normals.
void setBuiltVertex(MeshDefinition &definition, uint32_t i, const math::Vector3 &position,
                    const math::Vector3 &normal, const math::Vector2 &texCoord);
// A list of the primitive with the indices first, first + 1, ... in order.
IndexList *runOfIndices(uint32_t primitive, uint32_t first, uint32_t count);

} // namespace mesh
