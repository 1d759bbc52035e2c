#include "engine/WallSet.h"
#include "engine/Atomic.h"
#include "engine/Level.h"
#include "engine/TumblixStructureOwner.h"
#include "engine/WallGeometry.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "mesh/MeshDefinition.h"
#include "video/VertexRenderer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using math::Vector3;

namespace {

struct Edge {
  uint8_t kind;
  float zx, zy, nx, ny;
  // Face normal (kind 0) or centre (kind 2).
  float ex = 0, ey = 0;
};

struct Border {
  float x, y;
  uint16_t corner;
};

// A wall-set record, field by field.
struct Record {
  std::vector<std::pair<int, int>> corners;
  std::vector<Edge> edges;
  std::vector<Border> inner, outer;

  void write(file::BufferBinary &out) const {
    file::write(uint32_t(corners.size()), out);
    for (const auto &c : corners) {
      file::write(c.first, out);
      file::write(c.second, out);
    }
    for (size_t i = 0; i < corners.size(); ++i) {
      file::write(float(i), out);
      file::write(0.5f, out);
      file::write(-2.0f, out);
    }
    file::write(uint32_t(edges.size()), out);
    for (const Edge &e : edges) {
      file::write(e.kind, out);
      for (float f : {e.zx, e.zy, e.nx, e.ny})
        file::write(f, out);
      if (e.kind == 0 || e.kind == 2) {
        file::write(e.ex, out);
        file::write(e.ey, out);
      }
    }
    for (const auto *border : {&inner, &outer}) {
      file::write(uint32_t(border->size()), out);
      for (const Border &b : *border) {
        file::write(b.x, out);
        file::write(b.y, out);
        file::write(b.corner, out);
      }
    }
  }

  file::BufferBinary bytes() const {
    file::BufferBinary out;
    write(out);
    out.seek(0);
    return out;
  }
};

// Zones split by the planes x = 0, 10 and 20; edge 0 a straight wall along
// y = 0 facing +y, edge 1 a sharp corner at (10, 0), edge 2 a rounded corner
// about (25, 5) whose zone is never reached from x >= 0.
Record zoned() {
  Record r;
  r.corners = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  r.edges = {{0, 0, 0, 1, 0, 0, 1}, {1, 10, 0, 1, 0}, {2, 20, 0, 1, 0, 25, 5}};
  r.inner = {{1, 1, 0}, {2, 1, 1}};
  r.outer = {{-1, -1, 3}};
  return r;
}

Record rounded() {
  Record r;
  r.corners = {{0, 0}, {4, 0}, {4, 4}};
  r.edges = {{2, 0, 0, 1, 0, 5, 5}, {1, 10, 0, 1, 0}};
  return r;
}

class Owned : public Atomic, public TumblixStructureOwner {
public:
  explicit Owned(int region) : Atomic(1) {
    m_regionIndex = region;
    m_structure.setOwner(this);
  }
};

class OtherOwner : public physics::StructureOwner {};

} // namespace

TEST(WallSet, ContactZones) {
  Level level(nullptr);
  WallSet walls(level, 0);
  file::BufferBinary record = zoned().bytes();
  ASSERT_TRUE(walls.read(record));
  const struct {
    Vector3 point;
    bool contact;
    Vector3 resolved;
    uint8_t kind;
  } cases[] = {
      // In front of the straight wall: free.
      {{5, 3, 0}, false, {}, 0},
      // Behind it: onto the wall, at the point's own z.
      {{5, -2, 1}, true, {5, 0, 1}, 0},
      // On the plane x = 10: the zone on its ">= 0" side, the sharp corner's.
      {{10, 3, 0}, true, {10, 0, 0}, 1},
      {{9.99f, 3, 0}, false, {}, 0},
      // Before the first plane: no zone holds it.
      {{-1, -5, 0}, false, {}, 0},
  };
  for (const auto &c : cases) {
    Vector3 resolved(99, 99, 99);
    WallEdge edge;
    EXPECT_EQ(walls.contact(c.point, resolved, edge), c.contact) << c.point.toString().c_str();
    if (!c.contact)
      continue;
    EXPECT_EQ(resolved, c.resolved);
    EXPECT_EQ(edge.kind, c.kind);
  }
}

TEST(WallSet, RoundedCornerHoldsTheBallsRadius) {
  Level level(nullptr);
  WallSet walls(level, 0);
  file::BufferBinary record = rounded().bytes();
  ASSERT_TRUE(walls.read(record));
  Vector3 resolved;
  WallEdge edge;
  ASSERT_TRUE(walls.contact(Vector3(5.5f, 5, 0), resolved, edge));
  EXPECT_NEAR(resolved.x, 6.45f, 1e-5f);
  EXPECT_NEAR(resolved.y, 5.0f, 1e-5f);
  EXPECT_EQ(edge.kind, WallEdge::ROUNDED);
  EXPECT_EQ(edge.centre, Vector3(5, 5, 0));
  EXPECT_FALSE(walls.contact(Vector3(7, 5, 0), resolved, edge));
  EXPECT_FALSE(walls.contact(Vector3(5, 6.46f, 0), resolved, edge));
}

TEST(WallSet, TwoCornersNeverCollide) {
  Level level(nullptr);
  WallSet walls(level, 0);
  Record r = rounded();
  r.corners.pop_back();
  file::BufferBinary record = r.bytes();
  ASSERT_TRUE(walls.read(record));
  Vector3 resolved;
  WallEdge edge;
  // The walls would answer; their geometry does not ask them.
  ASSERT_TRUE(walls.contact(Vector3(5.5f, 5, 0), resolved, edge));
  const math::Sphere sphere(Vector3(5.5f, 5, 0), 1.45f);
  EXPECT_FALSE(walls.geometry().overlaps(sphere));
  EXPECT_EQ(walls.geometry().resolve(sphere, sphere.center), sphere.center);
}

TEST(WallSet, OnlyStructuresOfItsRegionTouchTheWalls) {
  Level level(nullptr);
  WallSet walls(level, 2);
  EXPECT_EQ(walls.geometry().getType(), SYM(L"walls"));
  EXPECT_EQ(walls.geometry().category, 0x80000u);
  EXPECT_EQ(walls.geometry().getOwner(), &walls);
  // Added to the level's simulation beside its floor plane.
  ASSERT_EQ(level.simulation().geometries.size(), 2u);
  EXPECT_EQ(level.simulation().geometries[1], &walls.geometry());

  file::BufferBinary record = rounded().bytes();
  ASSERT_TRUE(walls.read(record));
  Owned ball(2), stranger(1);
  Atomic debris(1);
  Atomic foreign(1);
  OtherOwner other;
  foreign.structure().setOwner(&other);
  const struct {
    Atomic *body;
    bool pushed;
  } cases[] = {{&ball, true}, {&stranger, false}, {&debris, false}, {&foreign, false}};
  for (const auto &c : cases) {
    physics::Atom &atom = c.body->atom();
    atom.radius = 1.45f;
    atom.resetPosition(Vector3(5.5f, 5, 0));
    walls.geometry().collide(c.body->structure());
    EXPECT_EQ(atom.position.x != 5.5f, c.pushed);
  }
}

TEST(WallSet, Bounds) {
  Level level(nullptr);
  WallSet walls(level, 0);
  Vector3 low(1, 1, 1), high(1, 1, 1);
  walls.bounds(low, high);
  EXPECT_EQ(low, Vector3());
  EXPECT_EQ(high, Vector3());
  Record r = zoned();
  r.corners = {{2, -1}, {-3, 5}, {4, 0}, {0, 0}};
  file::BufferBinary record = r.bytes();
  ASSERT_TRUE(walls.read(record));
  walls.bounds(low, high);
  EXPECT_EQ(low, Vector3(-10.5f, -4.5f, 0));
  EXPECT_EQ(high, Vector3(10.5f, 13.5f, 0));
}

TEST(WallSet, RecordRoundTripsByteForByte) {
  Level level(nullptr);
  WallSet walls(level, 0);
  Record r = zoned();
  r.edges.push_back({3, 30, 0, 1, 0});
  file::BufferBinary record = r.bytes();
  ASSERT_TRUE(walls.read(record));
  EXPECT_EQ(walls.cornerCount(), 4u);
  EXPECT_EQ(walls.edges().size(), 4u);
  EXPECT_EQ(walls.innerBorder().size(), 2u);
  EXPECT_EQ(walls.outerBorder().size(), 1u);
  file::BufferBinary again;
  walls.write(again);
  ASSERT_EQ(again.size(), record.size());
  EXPECT_EQ(memcmp(again.data(), record.data(), record.size()), 0);
}

TEST(WallSet, DamagedRecordsAreRefused) {
  Level level(nullptr);
  const Record good = zoned();
  const file::BufferBinary whole = good.bytes();

  std::vector<std::pair<std::string, file::BufferBinary>> bad;
  for (uint32_t length = 0; length < whole.size(); ++length) {
    file::BufferBinary cut;
    cut.receiveBytes(whole.data(), length);
    bad.emplace_back("cut at " + std::to_string(length), std::move(cut));
  }
  Record r = good;
  r.inner[1].corner = 4;
  bad.emplace_back("inner corner past the outline", r.bytes());
  r = good;
  r.outer[0].corner = 60000;
  bad.emplace_back("outer corner past the outline", r.bytes());
  r = good;
  r.edges[1].kind = 4;
  bad.emplace_back("unknown edge kind", r.bytes());
  for (uint32_t field : {0u, 4u + 4u * 20u}) {
    // A count far past the bytes remaining, at the corner and edge counts.
    file::BufferBinary hostile;
    hostile.receiveBytes(whole.data(), whole.size());
    hostile.seek(field);
    file::write(0x7FFFFFFFu, hostile);
    bad.emplace_back("count at " + std::to_string(field), std::move(hostile));
  }
  r = Record();
  r.corners = {{0, 0}};
  r.inner.assign(0x10000, Border{0, 0, 0});
  bad.emplace_back("more border vertices than 16-bit indices reach", r.bytes());

  for (auto &b : bad) {
    WallSet walls(level, 0);
    file::BufferBinary first = good.bytes();
    ASSERT_TRUE(walls.read(first));
    b.second.seek(0);
    EXPECT_FALSE(walls.read(b.second)) << b.first;
    EXPECT_EQ(walls.cornerCount(), 0u) << b.first;
    EXPECT_EQ(walls.edges().size(), 0u) << b.first;
    EXPECT_EQ(walls.innerBorder().size(), 0u) << b.first;
  }
}

TEST(WallSet, BorderMeshAlongTheOutline) {
  Level level(nullptr);
  WallSet walls(level, 0);
  file::BufferBinary record = zoned().bytes();
  ASSERT_TRUE(walls.read(record));
  const mesh::MeshDefinition &border = walls.borderMesh();
  EXPECT_EQ(border.name(), SYM(L"border"));
  // Four corners, two inner and one outer vertex.
  ASSERT_EQ(border.vertexCount(), 7u);
  const struct {
    float x, y, s;
  } vertices[] = {{-1.5f, -1.5f, 0.5f}, {10.5f, -1.5f, 0.5f}, {10.5f, 10.5f, 0.5f},
                  {-1.5f, 10.5f, 0.5f}, {1, 1, 0.8f},         {2, 1, 0.8f},
                  {-1, -1, 0.2f}};
  for (uint32_t i = 0; i < 7; ++i) {
    EXPECT_EQ(border.position2D(i).x, vertices[i].x) << i;
    EXPECT_EQ(border.position2D(i).y, vertices[i].y) << i;
    EXPECT_EQ(border.texCoord(i).x, vertices[i].s) << i;
  }
  ASSERT_EQ(border.partCount(), 1u);
  const mesh::MeshPart &part = border.part(0);
  ASSERT_EQ(part.indexLists.size(), 2u);
  auto indices = [](const mesh::IndexList &list) {
    std::vector<int> out;
    for (uint32_t i = 0; i < list.count(); ++i)
      out.push_back(list[i]);
    return out;
  };
  // Each strip closes on its first pair.
  EXPECT_EQ(indices(*part.indexLists[0]), (std::vector<int>{0, 4, 1, 5, 0, 4}));
  EXPECT_EQ(indices(*part.indexLists[1]), (std::vector<int>{6, 3, 6, 3}));
  EXPECT_EQ(part.indexLists[0]->primitive, uint32_t(video::PRIMITIVE_TRIANGLE_STRIP));

  // Without an outer border there is no strip at all; reading again replaces.
  Record r = zoned();
  r.outer.clear();
  file::BufferBinary again = r.bytes();
  ASSERT_TRUE(walls.read(again));
  EXPECT_EQ(walls.borderMesh().vertexCount(), 0u);
  EXPECT_EQ(walls.borderMesh().part(0).indexLists.size(), 0u);
}
