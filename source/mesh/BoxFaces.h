#pragma once
// The faces of a box and of a wedge of half size 1: corners as signs of the
// half extents with their texture coordinates, each face's vertices
// top-left, bottom-left, top-right, bottom-right as seen from outside, so
// that a strip over them faces outward. The box builders and the canvas's
// solid boxes share them.

namespace mesh {

struct FaceCorner {
  float x, y, z, u, v;
};

struct Face {
  float nx, ny, nz;
  // The slope of a wedge takes its normal from the extents.
  bool slope;
  int count;
  FaceCorner corners[4];
};

enum BoxFaceIndex { FACE_FRONT, FACE_RIGHT, FACE_BACK, FACE_LEFT, FACE_TOP, FACE_BOTTOM };
extern const Face boxFaces[6];

// A wedge's two end triangles and its slope; its right and bottom faces are
// the box's.
extern const Face wedgeFront;
extern const Face wedgeBack;
extern const Face wedgeSlope;

} // namespace mesh
