// The debug view of the physics: collision geometries, the atoms of moving
// structures and height-map grids, drawn with the canvas's cached meshes and
// 3-D lines.

#include "math/Box3D.h"
#include "math/HeightMap.h"
#include "math/Scalar.h"
#include "mesh/BoxFaces.h"
#include "mesh/Mesh.h"
#include "physics/Box.h"
#include "physics/Capsule.h"
#include "physics/Plane.h"
#include "physics/Sphere.h"
#include "physics/Structure3D.h"
#include "physics/Wedge.h"
#include "video/Canvas.h"
#include "video/DebugMeshes.h"

#include <cmath>

namespace video {

namespace {

const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);
const math::Color red(1.0f, 0.0f, 0.0f, 1.0f);
const math::Color geometryTint(0.3f, 0.8f, 1.0f, 0.3f);
const math::Color structureTint(0.2f, 0.8f, 0.1f, 0.5f);
const math::Color boundsColor(0.0f, 0.0f, 0.0f, 0.5f);
const math::Color gridColor(0.6f, 0.25f, 0.25f, 1.0f);
const math::Color belowColor(0.0f, 0.0f, 1.0f, 1.0f);
const math::Color risingColor(1.0f, 0.0f, 1.0f, 1.0f);
const math::Vector3 yAxis(0.0f, 1.0f, 0.0f);

// The box's faces by their bit in its face mask: +x, -x, +y, -y, +z, -z.
const int faceOfBit[6] = {mesh::FACE_RIGHT,  mesh::FACE_LEFT,  mesh::FACE_TOP,
                          mesh::FACE_BOTTOM, mesh::FACE_FRONT, mesh::FACE_BACK};

// The unit wedge's nine edges: the two end triangles and the three joining
// their corners.
const float wedgeEdges[9][6] = {
    {-1, -1, 1, 1, -1, 1},   {1, -1, 1, 1, 1, 1},   {1, 1, 1, -1, -1, 1},
    {-1, -1, -1, 1, -1, -1}, {1, -1, -1, 1, 1, -1}, {1, 1, -1, -1, -1, -1},
    {-1, -1, 1, -1, -1, -1}, {1, -1, 1, 1, -1, -1}, {1, 1, 1, 1, 1, -1},
};

math::Vector3 cornerOf(const mesh::FaceCorner &c, const math::Vector3 &e) {
  return math::Vector3(c.x * e.x, c.y * e.y, c.z * e.z);
}

} // namespace

DebugMeshes &Canvas::debugMeshes() {
  if (!m_debugMeshes)
    m_debugMeshes = new DebugMeshes;
  return *m_debugMeshes;
}

void Canvas::turnUpTo(const math::Vector3 &direction) {
  math::Vector3 d = direction;
  if (d.normalize() == 0.0f)
    return;
  math::Vector3 axis = yAxis.cross(d);
  float c = yAxis.dot(d);
  if (axis.lengthSquared() < 1e-12f) {
    if (c < 0.0f)
      rotate(180.0f, 1.0f, 0.0f, 0.0f);
    return;
  }
  axis.normalize();
  float degrees =
      float(std::acos(double(c < -1.0f ? -1.0f : (c > 1.0f ? 1.0f : c))) * math::radiansToDegrees);
  rotate(degrees, axis.x, axis.y, axis.z);
}

void Canvas::drawUnitSphere(bool depthTest) {
  mesh::Mesh &sphere = debugMeshes().sphere();
  sphere.depthTest = depthTest;
  drawMesh(sphere);
}

void Canvas::drawSphere(const math::Vector3 &center, float radius, bool depthTest) {
  pushMatrix();
  translate(center);
  scale(radius, radius, radius);
  drawUnitSphere(depthTest);
  popMatrix();
}

void Canvas::drawDisc() { drawMesh(debugMeshes().disc()); }

void Canvas::drawCapsule(const math::Vector3 &start, const math::Vector3 &end, float radius) {
  math::Vector3 axis = end - start;
  pushMatrix();
  translate(start);
  turnUpTo(axis);
  scale(radius, axis.length(), radius);
  drawMesh(debugMeshes().capsuleBody());
  popMatrix();
  drawSphere(start, radius, false);
  drawSphere(end, radius, false);
}

void Canvas::drawPlaneQuad(float halfSize) { drawMesh(debugMeshes().planeQuad(halfSize)); }

void Canvas::drawWedge(bool cull, bool depthTest) {
  mesh::Mesh &wedge = debugMeshes().wedge();
  wedge.cull = cull;
  wedge.depthTest = depthTest;
  drawMesh(wedge);
}

void Canvas::drawCube(bool cull, bool depthTest) {
  mesh::Mesh &cube = debugMeshes().cube();
  cube.cull = cull;
  cube.depthTest = depthTest;
  drawMesh(cube);
}

void Canvas::drawGeometry(const physics::WorldGeometry &geometry) {
  if (!geometry.enabled)
    return;
  pushColor();
  multiplyColor(geometryTint);
  setColor(white);
  pushMatrix();
  applyPlacement(geometry.transform);
  if (auto *sphere = dynamic_cast<const physics::Sphere *>(&geometry)) {
    translate(sphere->center);
    scale(sphere->radius, sphere->radius, sphere->radius);
    drawUnitSphere(true);
  } else if (auto *capsule = dynamic_cast<const physics::Capsule *>(&geometry)) {
    drawCapsule(capsule->start, capsule->end, capsule->radius);
    resetColorTop();
    drawLine3D(capsule->start, capsule->end, white, 2.0f, false, BLEND_NORMAL);
  } else if (auto *plane = dynamic_cast<const physics::Plane *>(&geometry)) {
    const math::Vector3 &point = plane->plane.point, &normal = plane->plane.normal;
    pushMatrix();
    translate(point);
    turnUpTo(normal);
    drawPlaneQuad(100.0f);
    popMatrix();
    math::Vector3 tip = point + normal * 25.0f;
    drawLine3D(point, tip, red, 2.0f, true, BLEND_NORMAL);
    pushColor();
    multiplyColor(red);
    pushMatrix();
    translate(tip);
    drawCube(true, false);
    popMatrix();
    popColor();
  } else if (auto *box = dynamic_cast<const physics::Box *>(&geometry)) {
    drawBoxFaces(box->center, box->extents, box->faceMask);
  } else if (auto *wedge = dynamic_cast<const physics::Wedge *>(&geometry)) {
    translate(wedge->center);
    scale(wedge->extents);
    drawWedge(true, false);
    for (const float *e : wedgeEdges)
      drawLine3D(math::Vector3(e[0], e[1], e[2]), math::Vector3(e[3], e[4], e[5]), white, 1.0f,
                 true, BLEND_NORMAL);
  }
  popMatrix();
  popColor();
  drawBox3D(geometry.getBounds(), boundsColor, 1.0f, false);
}

void Canvas::drawBoxFaces(const math::Vector3 &center, const math::Vector3 &extents,
                          uint32_t faceMask) {
  pushMatrix();
  translate(center);
  for (int bit = 0; bit < 6; ++bit) {
    if (!(faceMask & (1u << bit)))
      continue;
    const mesh::Face &face = mesh::boxFaces[faceOfBit[bit]];
    const math::Vector3 c0 = cornerOf(face.corners[0], extents),
                        c1 = cornerOf(face.corners[1], extents),
                        c2 = cornerOf(face.corners[2], extents),
                        c3 = cornerOf(face.corners[3], extents);
    drawTriangle(c0, c1, c2, white);
    drawTriangle(c2, c1, c3, white);
  }
  // The edges round each enabled face: top-left, bottom-left, bottom-right,
  // top-right.
  for (int bit = 0; bit < 6; ++bit) {
    if (!(faceMask & (1u << bit)))
      continue;
    const mesh::Face &face = mesh::boxFaces[faceOfBit[bit]];
    const int round[4] = {0, 1, 3, 2};
    for (int k = 0; k < 4; ++k)
      drawLine3D(cornerOf(face.corners[round[k]], extents),
                 cornerOf(face.corners[round[(k + 1) % 4]], extents), white, 1.0f, true,
                 BLEND_NORMAL);
  }
  popMatrix();
}

void Canvas::drawStructure(const physics::Structure3D &structure) {
  pushColor();
  multiplyColor(structureTint);
  setColor(white);
  for (uint32_t i = 0; i < structure.getAtomCount(); ++i) {
    const physics::Atom &atom = structure.getAtom(i);
    if (!atom.pinned)
      drawSphere(atom.position, atom.radius, true);
  }
  popColor();
}

void Canvas::drawHeightMap(const HeightMap &map) {
  const int width = map.size().width, height = map.size().height;
  for (int i = 0; i < width; ++i)
    for (int j = 0; j < height; ++j) {
      const math::Vector3 &p = map.vertex(i, j);
      if (i > 0)
        drawLine3D(p, map.vertex(i - 1, j), gridColor, 1.0f, false, BLEND_NORMAL);
      if (j > 0)
        drawLine3D(p, map.vertex(i, j - 1), gridColor, 1.0f, false, BLEND_NORMAL);
    }
}

void Canvas::drawHeightMap(const HeightMap &map, float level) {
  const math::Matrix4 &model = matrix(MODEL);
  const int width = map.size().width, height = map.size().height;
  auto line = [&](const math::Vector3 &a, const math::Vector3 &b) {
    float ya = model.transformPoint(a).y, yb = model.transformPoint(b).y;
    const math::Color &color = ya >= level ? red : (yb < level ? belowColor : risingColor);
    drawLine3D(a, b, color, 1.0f, false, BLEND_NORMAL);
  };
  for (int i = 0; i < width; ++i)
    for (int j = 0; j < height; ++j) {
      const math::Vector3 &p = map.vertex(i, j);
      if (i > 0)
        line(p, map.vertex(i - 1, j));
      if (j > 0)
        line(p, map.vertex(i, j - 1));
    }
}

} // namespace video
