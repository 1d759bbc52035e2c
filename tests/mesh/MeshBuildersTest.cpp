#include "mesh/MeshBuilders.h"
#include "mesh/MeshDefinition.h"
#include "video/VertexRenderer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

using mesh::MeshDefinition;

namespace {

inline void expectVec2(const math::Vector2 &v, const math::Vector2 &expected) {
  EXPECT_EQ(v.x, expected.x);
  EXPECT_EQ(v.y, expected.y);
}

using Built = std::unique_ptr<MeshDefinition>;

uint32_t indexCount(const MeshDefinition &d) {
  uint32_t n = 0;
  for (uint32_t p = 0; p < d.partCount(); ++p)
    for (const mesh::IndexList *list : d.part(p).indexLists)
      n += list->count();
  return n;
}

uint32_t listCount(const MeshDefinition &d) {
  uint32_t n = 0;
  for (uint32_t p = 0; p < d.partCount(); ++p)
    n += d.part(p).indexLists.size();
  return n;
}

// Calls f(a, b, c) for every non-degenerate triangle, in the winding the GL
// draws it.
template <typename F> void forEachTriangle(const MeshDefinition &d, F f) {
  for (uint32_t p = 0; p < d.partCount(); ++p)
    for (const mesh::IndexList *list : d.part(p).indexLists)
      for (uint32_t k = 2; k < list->count(); ++k) {
        uint32_t a, b, c = (*list)[k];
        if (list->primitive == video::PRIMITIVE_TRIANGLE_FAN) {
          a = (*list)[0];
          b = (*list)[k - 1];
        } else if (k % 2 == 0) {
          a = (*list)[k - 2];
          b = (*list)[k - 1];
        } else {
          a = (*list)[k - 1];
          b = (*list)[k - 2];
        }
        math::Vector3 n = (d.position(b) - d.position(a)).cross(d.position(c) - d.position(a));
        if (n.length() > 1e-6f)
          f(a, b, c, n);
      }
}

// Every triangle of a convex shape turns its front (counter-clockwise) side
// away from the middle of its vertices, and agrees with the stored normals.
void expectFacingOutward(const MeshDefinition &d, const char *what) {
  math::Vector3 middle;
  for (uint32_t i = 0; i < d.vertexCount(); ++i)
    middle += d.position(i);
  middle = middle / float(d.vertexCount());
  int triangles = 0;
  forEachTriangle(d, [&](uint32_t a, uint32_t b, uint32_t c, const math::Vector3 &n) {
    math::Vector3 centre = (d.position(a) + d.position(b) + d.position(c)) / 3.0f;
    EXPECT_GT(n.dot(centre - middle), 0.0f) << what << " triangle " << a << "," << b << "," << c;
    if (d.hasNormals()) {
      EXPECT_GT(n.dot(d.normal(a) + d.normal(b) + d.normal(c)), 0.0f) << what;
    }
    ++triangles;
  });
  EXPECT_GT(triangles, 0) << what;
}

} // namespace

TEST(MeshBuilders, VertexAndListCounts) {
  struct Case {
    const char *name;
    MeshDefinition *definition;
    uint32_t vertices, parts, lists, indices;
  } cases[] = {
      {"strip", mesh::meshBuildStrip(0, 4), 8, 1, 1, 8},
      {"threeQuartersBox", mesh::meshBuildThreeQuarterBox(0, {1, 1, 1}, false), 16, 1, 4, 16},
      {"threeQuartersBox", mesh::meshBuildThreeQuarterBox(0, {1, 1, 1}, true), 16, 4, 4, 16},
      {"bottomlessBox", mesh::meshBuildBottomlessBox(0, {1, 1, 1}), 20, 1, 5, 20},
      {"box", mesh::meshBuildBox(0, {1, 2, 3}, false), 24, 1, 6, 24},
      {"box", mesh::meshBuildBox(0, {1, 2, 3}, true), 24, 6, 6, 24},
      {"bottomlessWedge", mesh::meshBuildBottomlessWedge(0, {1, 1, 1}), 14, 1, 4, 14},
      {"wedge", mesh::meshBuildWedge(0, {1, 1, 1}), 18, 1, 5, 18},
      {"circle", mesh::meshBuildCircle(0, 24), 26, 1, 1, 26},
      {"hemisphere", mesh::meshBuildHemisphere(0, 8, 4, 30, true, true), 29, 1, 4, 2 * 10 + 2 * 18},
      {"hemisphere", mesh::meshBuildHemisphere(0, 8, 4, 30, false, false), 29, 1, 2, 2 * 18},
      // Two poles and five rings of 13.
      {"sphere", mesh::meshBuildSphere(0, 12, 6), 67, 1, 6, 2 * 14 + 4 * 26},
      {"sphereCap", mesh::meshBuildSphereCap(0, 8, 4, true), 10, 1, 1, 10},
      {"sphereCap", mesh::meshBuildSphereCap(0, 8, 4, false), 10, 1, 1, 10},
      {"cylinder", mesh::meshBuildCylinder(0, 24, 1, 0, 1.0f / 24, 0, 1, false), 50, 1, 1, 50},
      {"cylinder", mesh::meshBuildCylinder(0, 6, 2, 0, 1, 0, 1, true), 21 + 16, 2, 4, 28 + 16},
  };
  for (const Case &c : cases) {
    Built d(c.definition);
    ASSERT_TRUE(d) << c.name;
    EXPECT_EQ(d->name(), Symbol::intern(std::wstring(c.name, c.name + strlen(c.name)).c_str()));
    EXPECT_EQ(d->vertexCount(), c.vertices) << c.name;
    EXPECT_EQ(d->partCount(), c.parts) << c.name;
    EXPECT_EQ(listCount(*d), c.lists) << c.name;
    EXPECT_EQ(indexCount(*d), c.indices) << c.name;
    EXPECT_FALSE(d->isTwoDimensional());
    EXPECT_TRUE(d->hasTexCoords());
    for (uint32_t p = 0; p < d->partCount(); ++p)
      for (const mesh::IndexList *list : d->part(p).indexLists)
        for (uint32_t i = 0; i < list->count(); ++i)
          ASSERT_LT((*list)[i], c.vertices) << c.name;
  }
}

TEST(MeshBuilders, ClosedShapesFaceOutward) {
  const math::Vector3 e(1, 2, 3);
  Built box(mesh::meshBuildBox(mesh::MESH_NORMALS, e, false));
  Built wedge(mesh::meshBuildWedge(mesh::MESH_NORMALS, e));
  Built sphere(mesh::meshBuildSphere(mesh::MESH_NORMALS, 12, 6));
  Built cylinder(mesh::meshBuildCylinder(mesh::MESH_NORMALS, 8, 1, 0, 1, 0, 1, true));
  Built tall(mesh::meshBuildCylinder(mesh::MESH_NORMALS, 8, 3, 0, 1, 0, 1, true));
  expectFacingOutward(*box, "box");
  expectFacingOutward(*wedge, "wedge");
  expectFacingOutward(*sphere, "sphere");
  expectFacingOutward(*cylinder, "cylinder");
  expectFacingOutward(*tall, "cylinder of three stacks");
  // The caps of a sphere face away from its middle too.
  Built top(mesh::meshBuildSphereCap(mesh::MESH_NORMALS, 8, 4, true));
  Built bottom(mesh::meshBuildSphereCap(mesh::MESH_NORMALS, 8, 4, false));
  forEachTriangle(
      *top, [&](uint32_t, uint32_t, uint32_t, const math::Vector3 &n) { EXPECT_GT(n.y, 0.0f); });
  forEachTriangle(
      *bottom, [&](uint32_t, uint32_t, uint32_t, const math::Vector3 &n) { EXPECT_LT(n.y, 0.0f); });
  // The flat ones face +z.
  Built circle(mesh::meshBuildCircle(0, 6));
  Built strip(mesh::meshBuildStrip(0, 3));
  for (const MeshDefinition *d : {circle.get(), strip.get()})
    forEachTriangle(
        *d, [&](uint32_t, uint32_t, uint32_t, const math::Vector3 &n) { EXPECT_GT(n.z, 0.0f); });
}

TEST(MeshBuilders, BoxesAndWedges) {
  Built box(mesh::meshBuildBox(mesh::MESH_NORMALS, {1, 2, 3}, false));
  ASSERT_EQ(box->partCount(), 1u);
  EXPECT_EQ(box->part(0).shadeModel, 1u);
  for (const mesh::IndexList *list : box->part(0).indexLists) {
    EXPECT_EQ(list->primitive, uint32_t(video::PRIMITIVE_TRIANGLE_STRIP));
    EXPECT_EQ(list->count(), 4u);
  }
  // The front face: top-left first, texture coordinates down then across.
  EXPECT_EQ(box->position(0), math::Vector3(-1, 2, 3));
  EXPECT_EQ(box->position(3), math::Vector3(1, -2, 3));
  expectVec2(box->texCoord(1), math::Vector2(0, 1));
  EXPECT_EQ(box->normal(23), math::Vector3(0, -1, 0));

  Built faces(mesh::meshBuildBox(0, {1, 1, 1}, true));
  for (uint32_t p = 0; p < 6; ++p) {
    EXPECT_EQ(faces->part(p).id, p);
    ASSERT_EQ(faces->part(p).indexLists.size(), 1u);
    EXPECT_EQ((*faces->part(p).indexLists[0])[0], 4 * p);
  }
  EXPECT_EQ(faces->normals(), nullptr);
  EXPECT_EQ(faces->colors(), nullptr);

  Built wedge(mesh::meshBuildWedge(mesh::MESH_NORMALS_AND_COLORS, {3, 4, 1}));
  // The slope (vertices 10 to 13) has the normal (-y, x, 0) of unit length.
  EXPECT_NEAR(wedge->normal(10).x, -0.8f, 1e-6f);
  EXPECT_NEAR(wedge->normal(10).y, 0.6f, 1e-6f);
  EXPECT_EQ(wedge->part(0).indexLists[0]->count(), 3u);
  EXPECT_EQ(wedge->part(0).indexLists[4]->count(), 4u);
  for (uint32_t i = 0; i < wedge->vertexCount(); ++i) {
    EXPECT_EQ(wedge->color(i).r, 255);
    EXPECT_EQ(wedge->color(i).a, 255);
  }
}

TEST(MeshBuilders, RoundShapes) {
  Built circle(mesh::meshBuildCircle(mesh::MESH_NORMALS, 24));
  EXPECT_EQ(circle->position(0), math::Vector3());
  EXPECT_EQ(circle->position(1), math::Vector3(0, 1, 0));
  EXPECT_EQ(circle->position(25), circle->position(1));
  expectVec2(circle->texCoord(25), circle->texCoord(1));
  EXPECT_NEAR(circle->position(7).x, -1.0f, 1e-6f); // a quarter turn counter-clockwise
  EXPECT_EQ(circle->normal(5), math::Vector3(0, 0, 1));
  EXPECT_EQ(circle->part(0).indexLists[0]->primitive, uint32_t(video::PRIMITIVE_TRIANGLE_FAN));

  Built sphere(mesh::meshBuildSphere(mesh::MESH_NORMALS, 12, 6));
  EXPECT_EQ(sphere->position(0), math::Vector3(0, 1, 0));
  EXPECT_EQ(sphere->position(66), math::Vector3(0, -1, 0));
  expectVec2(sphere->texCoord(0), math::Vector2(0.5f, 0));
  expectVec2(sphere->texCoord(66), math::Vector2(0.5f, 1));
  for (uint32_t i = 0; i < 67; ++i) {
    EXPECT_NEAR(sphere->position(i).length(), 1.0f, 1e-5f);
    EXPECT_EQ(sphere->normal(i), sphere->position(i));
  }
  // Ring 3 of 6 is the equator; its vertex 3 of 12 is a quarter turn round.
  EXPECT_NEAR(sphere->position(1 + 2 * 13).y, 0.0f, 1e-6f);
  expectVec2(sphere->texCoord(1 + 2 * 13 + 3), math::Vector2(0.25f, 0.5f));
  EXPECT_EQ(sphere->position(1 + 12), sphere->position(1)); // the ring closes
  const mesh::IndexList &southFan = *sphere->part(0).indexLists.last();
  EXPECT_EQ(southFan[0], 66);
  EXPECT_EQ(southFan[1], 1 + 4 * 13 + 12);
  EXPECT_EQ(southFan[13], 1 + 4 * 13);

  Built cylinder(mesh::meshBuildCylinder(mesh::MESH_NORMALS, 4, 1, 0.5f, 0.25f, 0, 2, true));
  EXPECT_EQ(cylinder->position(0), math::Vector3(1, 1, 0));
  EXPECT_EQ(cylinder->position(5), math::Vector3(1, 0, 0));
  expectVec2(cylinder->texCoord(6), math::Vector2(0.75f, 2));
  EXPECT_EQ(cylinder->normal(0), math::Vector3(1, 0, 0));
  EXPECT_EQ(cylinder->part(1).id, 1u);
  EXPECT_EQ(cylinder->position(10), math::Vector3(0, 0, 0));
  EXPECT_EQ(cylinder->normal(16), math::Vector3(0, 1, 0));
  expectVec2(cylinder->texCoord(10), math::Vector2(0.5f, 0.5f));
  // The side strip: the lower ring's vertex, then the upper one's.
  const mesh::IndexList &side = *cylinder->part(0).indexLists[0];
  EXPECT_EQ(side[0], 5);
  EXPECT_EQ(side[1], 0);

  Built cap(mesh::meshBuildSphereCap(0, 4, 3, false));
  const mesh::IndexList &fan = *cap->part(0).indexLists[0];
  const unsigned short order[] = {5, 1, 4, 3, 2, 1};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(fan[i], order[i]);
  EXPECT_EQ(cap->position(5), math::Vector3(0, -1, 0));
  EXPECT_NEAR(cap->position(0).y, -0.5f, 1e-6f); // 120 degrees from the north pole
}

TEST(MeshBuilders, TheStrip) {
  Built strip(mesh::meshBuildStrip(mesh::MESH_NORMALS, 3));
  EXPECT_EQ(strip->position(2), math::Vector3(0.5f, 1, 0));
  expectVec2(strip->texCoord(3), math::Vector2(0.5f, 0));
  EXPECT_EQ(strip->normal(2), math::Vector3()); // left zero
}

TEST(MeshBuilders, ArgumentsThatLeaveNothingToBuildGiveNull) {
  EXPECT_EQ(mesh::meshBuildStrip(0, 1), nullptr);
  EXPECT_EQ(mesh::meshBuildStrip(0, 0), nullptr);
  EXPECT_EQ(mesh::meshBuildStrip(0, -3), nullptr);
  EXPECT_EQ(mesh::meshBuildCircle(0, 0), nullptr);
  EXPECT_EQ(mesh::meshBuildSphere(0, 12, 1), nullptr);
  EXPECT_EQ(mesh::meshBuildSphere(0, 0, 6), nullptr);
  EXPECT_EQ(mesh::meshBuildHemisphere(0, 4, 0, 0, true, true), nullptr);
  EXPECT_EQ(mesh::meshBuildSphereCap(0, 0, 4, true), nullptr);
  EXPECT_EQ(mesh::meshBuildCylinder(0, 0, 1, 0, 1, 0, 1, false), nullptr);
  EXPECT_EQ(mesh::meshBuildCylinder(0, 8, 0, 0, 1, 0, 1, false), nullptr);
  // More vertices than 16-bit indices reach.
  EXPECT_EQ(mesh::meshBuildSphere(0, 400, 400), nullptr);
  EXPECT_EQ(mesh::meshBuildStrip(0, 40000), nullptr);
}

TEST(MeshBuilders, SphereQuadIndices) {
  struct Case {
    int column, band;
    int expected[4];
  } cases[] = {
      {0, 0, {0, 2, 1, 0}},                               // round the north pole
      {3, 0, {0, 5, 4, 0}},     {0, 1, {2, 15, 14, 1}},   // between rings 1 and 2
      {2, 2, {17, 30, 29, 16}}, {0, 5, {54, 66, 66, 53}}, // round the south pole of 67 vertices
  };
  Built sphere(mesh::meshBuildSphere(0, 12, 6));
  for (const Case &c : cases) {
    int out[4];
    mesh::meshSphereQuadIndices(12, 6, c.column, c.band, out);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(out[k], c.expected[k]) << c.column << "," << c.band << " corner " << k;
      EXPECT_LT(out[k], int(sphere->vertexCount()));
    }
  }
}
