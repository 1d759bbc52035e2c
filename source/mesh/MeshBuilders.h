#pragma once
// The standard shapes as new mesh definitions, each named after its builder
// ("strip", "box", "sphere" ...), with three-dimensional positions, texture
// coordinates and the caller's format (MeshFormat). Colours stay opaque
// white; normals are written only when the format has them. The caller owns
// the result. Arguments that leave no shape to build (too few columns,
// segments, slices or stacks, or more vertices than 16-bit indices reach)
// give null.

#include "math/Vector3.h"

#include <cstdint>

namespace mesh {

class MeshDefinition;

// 2n vertices in two rows from x 0 to 1 (y 1 and y 0); n at least 2.
MeshDefinition *meshBuildStrip(uint32_t format, int columns);
// Boxes of the given half extents, four vertices and one strip a face, shaded
// flat. Front, right, left and top faces.
MeshDefinition *meshBuildThreeQuarterBox(uint32_t format, const math::Vector3 &halfExtents,
                                         bool partPerFace);
// Front, right, back, left and top faces in one part.
MeshDefinition *meshBuildBottomlessBox(uint32_t format, const math::Vector3 &halfExtents);
// Front, right, back, left, top and bottom faces; with partPerFace a part of
// its own for each face, numbered from 0.
MeshDefinition *meshBuildBox(uint32_t format, const math::Vector3 &halfExtents, bool partPerFace);
// A prism whose slope rises from the left bottom edge to the right top edge.
MeshDefinition *meshBuildBottomlessWedge(uint32_t format, const math::Vector3 &halfExtents);
MeshDefinition *meshBuildWedge(uint32_t format, const math::Vector3 &halfExtents);
// A unit disc in the x-y plane: the centre and n + 1 rim vertices, the last
// on the first; one fan.
MeshDefinition *meshBuildCircle(uint32_t format, int segments);
// Half the sphere's longitude from the start angle (degrees); the pole fans
// only with their caps.
MeshDefinition *meshBuildHemisphere(uint32_t format, int slices, int stacks, float startAngle,
                                    bool topCap, bool bottomCap);
// The unit sphere from pole to pole: (n + 1)(m - 1) + 2 vertices.
MeshDefinition *meshBuildSphere(uint32_t format, int slices, int stacks);
// The fan round the north pole (top) or the south pole of an m-stack sphere.
MeshDefinition *meshBuildSphereCap(uint32_t format, int segments, int divisions, bool top);
// Radius 1 from y 0 to y 1; with caps a second part (id 1) holds the two
// end fans.
MeshDefinition *meshBuildCylinder(uint32_t format, int slices, int stacks, float uStart,
                                  float uStep, float vStart, float vEnd, bool caps);

// The corner indices (a, b, c, d) of the cell at a column and band of the
// sphere layout of n slices and m stacks.
void meshSphereQuadIndices(int slices, int stacks, int column, int band, int out[4]);

} // namespace mesh
