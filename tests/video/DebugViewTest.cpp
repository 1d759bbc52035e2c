// The physics debug view: which meshes and lines each kind of geometry,
// a structure and a height map draw, and where.

#include "math/HeightMap.h"
#include "mesh/MeshDefinition.h"
#include "physics/Box.h"
#include "physics/Capsule.h"
#include "physics/Plane.h"
#include "physics/Sphere.h"
#include "physics/Structure3D.h"
#include "physics/Wedge.h"
#include "support/RecordingCanvas.h"
#include "video/DebugMeshes.h"

#include <gtest/gtest.h>

using testing_support::DrawnMesh;
using testing_support::DrawnPrimitive;
using testing_support::RecordingCanvas;

namespace {

// The middle of a 3-D line's end.
math::Vector3 lineEnd(const DrawnPrimitive &d) { return (d.position(2) + d.position(3)) * 0.5f; }

void expectNear(const math::Vector3 &v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-4f);
  EXPECT_NEAR(v.y, y, 1e-4f);
  EXPECT_NEAR(v.z, z, 1e-4f);
}

// The tint every geometry is drawn in.
void expectTinted(const DrawnMesh &m) {
  EXPECT_FLOAT_EQ(m.colorTop.r, 0.3f);
  EXPECT_FLOAT_EQ(m.colorTop.g, 0.8f);
  EXPECT_FLOAT_EQ(m.colorTop.a, 0.3f);
}

// The bounds come last: twelve lines in translucent black.
void expectBoundsLast(const RecordingCanvas &canvas) {
  ASSERT_GE(canvas.drawn.size(), 12u);
  for (size_t i = canvas.drawn.size() - 12; i < canvas.drawn.size(); ++i) {
    EXPECT_EQ(canvas.drawn[i].color(0).r, 0);
    EXPECT_EQ(canvas.drawn[i].color(0).a, 127);
    EXPECT_FALSE(canvas.drawn[i].depthTest);
  }
  EXPECT_EQ(canvas.colorStackSize(), 0u);
  EXPECT_TRUE(canvas.matrix(video::Canvas::MODEL) == math::Matrix4());
}

} // namespace

TEST(DebugView, ADisabledGeometryDrawsNothing) {
  RecordingCanvas canvas;
  physics::Sphere sphere(math::Vector3(1, 2, 3), 2.0f);
  sphere.enabled = false;
  canvas.drawGeometry(sphere);
  EXPECT_TRUE(canvas.drawn.empty());
  EXPECT_TRUE(canvas.meshes.empty());
}

TEST(DebugView, SpheresAtTheirPlacement) {
  RecordingCanvas canvas;
  physics::Sphere sphere(math::Vector3(1, 2, 3), 2.0f);
  sphere.transform.translation = math::Vector3(10, 0, 0);
  canvas.drawGeometry(sphere);
  ASSERT_EQ(canvas.meshes.size(), 1u);
  const DrawnMesh m = canvas.meshes[0];
  EXPECT_EQ(m.mesh, &canvas.debugMeshes().sphere());
  EXPECT_TRUE(m.depthTest);
  expectTinted(m);
  // The unit sphere's top lands at the placed centre plus the radius.
  expectNear(m.model.transformPoint(math::Vector3(0, 1, 0)), 11, 4, 3);
  ASSERT_EQ(canvas.drawn.size(), 12u);
  expectBoundsLast(canvas);

  // The cached mesh is made once, out of buffer objects, always blended.
  canvas.drawGeometry(sphere);
  EXPECT_EQ(canvas.meshes[1].mesh, m.mesh);
  const mesh::MeshDefinition &d = *m.mesh->definition;
  EXPECT_EQ(d.vertexCount(), 67u);
  EXPECT_FALSE(d.useBufferObjects);
  EXPECT_TRUE(d.alwaysBlend);
  EXPECT_TRUE(d.hasColors());
}

TEST(DebugView, CapsulesPlanesBoxesAndWedges) {
  {
    RecordingCanvas canvas;
    physics::Capsule capsule(math::Capsule(math::Vector3(0, 0, 0), math::Vector3(4, 0, 0), 1.0f));
    canvas.drawGeometry(capsule);
    // The body turned from +y onto the axis, a sphere at each end without
    // depth test.
    ASSERT_EQ(canvas.meshes.size(), 3u);
    EXPECT_EQ(canvas.meshes[0].mesh, &canvas.debugMeshes().capsuleBody());
    expectNear(canvas.meshes[0].model.transformPoint(math::Vector3(0, 1, 0)), 4, 0, 0);
    for (int i = 1; i < 3; ++i)
      EXPECT_FALSE(canvas.meshes[i].depthTest);
    expectNear(canvas.meshes[2].model.transformPoint(math::Vector3()), 4, 0, 0);
    // Then the axis in white, 2 wide, before the bounds.
    ASSERT_EQ(canvas.drawn.size(), 13u);
    const DrawnPrimitive &axis = canvas.drawn[0];
    EXPECT_EQ(axis.color(0).g, 255);
    EXPECT_EQ(axis.color(0).a, 255);
    expectNear(lineEnd(axis), 4, 0, 0);
    expectBoundsLast(canvas);
  }
  {
    RecordingCanvas canvas;
    physics::Plane plane(math::Plane(math::Vector3(0, 1, 0), math::Vector3(1, 0, 0)));
    canvas.drawGeometry(plane);
    ASSERT_EQ(canvas.meshes.size(), 2u);
    const DrawnMesh &quad = canvas.meshes[0];
    // The quad of half size 100, turned so that its +y is the normal.
    expectNear(quad.model.transformPoint(math::Vector3(0, 1, 0)), 1, 1, 0);
    const mesh::MeshDefinition &q = *quad.mesh->definition;
    EXPECT_EQ(q.position(0), math::Vector3(-100, 0, 100));
    EXPECT_EQ(q.position(3), math::Vector3(100, 0, -100));
    EXPECT_FALSE(quad.mesh->cull);
    // A red line along the normal and a red cube at its tip.
    const DrawnPrimitive &normal = canvas.drawn[0];
    expectNear(lineEnd(normal), 25, 1, 0);
    EXPECT_EQ(normal.color(0).g, 0);
    EXPECT_TRUE(normal.depthTest);
    const DrawnMesh &cube = canvas.meshes[1];
    EXPECT_EQ(cube.colorTop.g, 0.0f);
    EXPECT_TRUE(cube.cull);
    EXPECT_FALSE(cube.depthTest);
    expectNear(cube.model.transformPoint(math::Vector3()), 25, 1, 0);
    expectBoundsLast(canvas);
  }
  {
    RecordingCanvas canvas;
    physics::Box box(math::Vector3(0, 1, 0), math::Vector3(2, 1, 2));
    box.faceMask = 4 | 16; // top and front
    canvas.drawGeometry(box);
    EXPECT_TRUE(canvas.meshes.empty());
    // Two triangles a face, four edges a face, then the bounds.
    ASSERT_EQ(canvas.drawn.size(), 4u + 8u + 12u);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(canvas.drawn[i].primitive, video::PRIMITIVE_TRIANGLE_LIST);
    // The top face lies at y 2.
    for (int k = 0; k < 3; ++k)
      EXPECT_NEAR(canvas.drawn[0].position(k).y, 1.0f, 1e-5f);
    EXPECT_NEAR(canvas.drawn[0].placed(0).y, 2.0f, 1e-5f);
    expectBoundsLast(canvas);
  }
  {
    RecordingCanvas canvas;
    physics::Wedge wedge(math::Vector3(0, 0, 0), math::Vector3(1, 2, 3));
    canvas.drawGeometry(wedge);
    ASSERT_EQ(canvas.meshes.size(), 1u);
    EXPECT_TRUE(canvas.meshes[0].cull);
    EXPECT_FALSE(canvas.meshes[0].depthTest);
    expectNear(canvas.meshes[0].model.transformPoint(math::Vector3(1, 1, 1)), 1, 2, 3);
    ASSERT_EQ(canvas.drawn.size(), 9u + 12u);
    expectBoundsLast(canvas);
  }
}

TEST(DebugView, StructuresDrawTheirLooseAtoms) {
  RecordingCanvas canvas;
  physics::Structure3D structure;
  structure.setAtomCount(3);
  for (uint32_t i = 0; i < 3; ++i) {
    structure.getAtom(i).position = math::Vector3(float(i), 0, 0);
    structure.getAtom(i).radius = 0.5f;
  }
  structure.getAtom(1).pinned = 1;
  canvas.drawStructure(structure);
  ASSERT_EQ(canvas.meshes.size(), 2u);
  expectNear(canvas.meshes[1].model.transformPoint(math::Vector3(0, 1, 0)), 2, 0.5f, 0);
  EXPECT_FLOAT_EQ(canvas.meshes[0].colorTop.a, 0.5f);
  EXPECT_TRUE(canvas.meshes[0].depthTest);
  EXPECT_EQ(canvas.colorStackSize(), 0u);
}

TEST(DebugView, HeightMapGrids) {
  RecordingCanvas canvas;
  HeightMap map(math::Size2i(3, 3), math::Vector3(1, 1, 1));
  map.setSpacing(math::Vector3(1, 1, 1));
  canvas.drawHeightMap(map);
  // Each vertex to its neighbour in the previous row and column.
  ASSERT_EQ(canvas.drawn.size(), 12u);
  EXPECT_EQ(canvas.drawn[0].color(0).r, 153);
  EXPECT_FALSE(canvas.drawn[0].depthTest);

  // Against a level: the model matrix lifts the grid to 1, then ends below
  // 2 are blue; from below to at or above, magenta; from above, red.
  HeightMap sloped(math::Size2i(2, 1), math::Vector3(1, 1, 1));
  sloped.setHeight(1, 0, 2.0f);
  sloped.setSpacing(math::Vector3(1, 1, 1));
  RecordingCanvas levels;
  levels.translate(0, 1, 0);
  levels.drawHeightMap(sloped, 2.0f);
  ASSERT_EQ(levels.drawn.size(), 1u);
  // The line runs from the vertex at height 3 to the one at 1: red.
  EXPECT_EQ(levels.drawn[0].color(0).r, 255);
  EXPECT_EQ(levels.drawn[0].color(0).b, 0);
  levels.drawn.clear();
  levels.drawHeightMap(sloped, 5.0f);
  EXPECT_EQ(levels.drawn[0].color(0).b, 255);
  EXPECT_EQ(levels.drawn[0].color(0).r, 0);
  // Rising from below the level to above it: magenta.
  HeightMap rising(math::Size2i(2, 1), math::Vector3(1, 1, 1));
  rising.setHeight(0, 0, 2.0f);
  rising.setSpacing(math::Vector3(1, 1, 1));
  levels.drawn.clear();
  levels.drawHeightMap(rising, 2.0f);
  EXPECT_EQ(levels.drawn[0].color(0).r, 255);
  EXPECT_EQ(levels.drawn[0].color(0).g, 0);
  EXPECT_EQ(levels.drawn[0].color(0).b, 255);
}
