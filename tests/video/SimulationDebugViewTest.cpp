// The simulation's debug view: structures first, then geometries, recorded
// and read back under GLES 1.1.

#include "video/SimulationDebugView.h"
#include "camera/Camera.h"
#include "physics/Simulation.h"
#include "physics/Sphere.h"
#include "physics/Structure3D.h"
#include "support/GLFixture.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A sphere geometry on the left and one loose atom of a structure on the
// right, both on the plane z = 0.
struct Physics {
  physics::Simulation simulation;
  physics::Sphere sphere{math::Vector3(-3, 0, 0), 1.5f};
  physics::Structure3D structure;
  Physics() {
    structure.setAtomCount(1);
    structure.getAtom(0).position = math::Vector3(3, 0, 0);
    structure.getAtom(0).radius = 1.5f;
    simulation.addGeometry(&sphere);
    simulation.addStructure(&structure);
  }
};

struct SimulationDebugReadback : gltest::CanvasFixture {};

} // namespace

TEST(SimulationDebugView, StructuresDrawBeforeGeometries) {
  testing_support::RecordingCanvas canvas;
  Physics physics;
  video::debugDraw(physics.simulation, canvas);
  ASSERT_EQ(canvas.meshes.size(), 2u);
  EXPECT_FLOAT_EQ(canvas.meshes[0].colorTop.a, 0.5f); // the structure's tint
  EXPECT_FLOAT_EQ(canvas.meshes[1].colorTop.a, 0.3f); // the geometry's tint

  canvas.meshes.clear();
  physics::Simulation empty;
  video::debugDraw(empty, canvas);
  EXPECT_TRUE(canvas.meshes.empty());
}

TEST_F(SimulationDebugReadback, StructuresAndGeometriesShowInTheirTints) {
  Physics physics;
  Camera camera;
  camera.setPosition(math::Vector3(0, 0, 12));
  canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  camera.apply(*canvas);
  video::debugDraw(physics.simulation, *canvas);
  canvas->flush();
  camera.release(*canvas);
  canvas->resetMatrices();

  // The atom (right) in the structure's green tint, the geometry (left) in
  // the bluer geometry tint, blended over black; nothing between them.
  gltest::Rgba atom = gltest::glPixel(220, 240);
  gltest::Rgba geometry = gltest::glPixel(100, 240);
  gltest::Rgba between = gltest::glPixel(160, 240);
  EXPECT_GT(atom.g, atom.r);
  EXPECT_GT(atom.g, atom.b);
  EXPECT_GT(geometry.b, geometry.r);
  EXPECT_GT(geometry.g, geometry.r);
  EXPECT_GT(geometry.b, atom.b);
  EXPECT_EQ(between.r + between.g + between.b, 0);
}
