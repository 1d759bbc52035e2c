#include "math/Spatial2D.h"
#include "math/Spatial3D.h"

#include <gtest/gtest.h>

namespace {

// A derived thing that reacts to moves, as the other subsystems' objects do.
class Tracked : public math::Spatial2D {
public:
  void setPosition(const math::Vector2 &p) override {
    ++moves;
    Spatial2D::setPosition(p);
  }
  using Spatial2D::setPosition;
  int moves = 0;
};

} // namespace

TEST(Spatial, PositionsGoThroughTheVirtualOperations) {
  Tracked t;
  math::Spatial2D &base = t;
  base.setPosition(math::Vector2(1, 2));
  EXPECT_EQ(t.moves, 1);
  base.setPosition(3, 4);
  EXPECT_EQ(base.getPosition().x, 3);
  EXPECT_EQ(base.getPosition().y, 4);

  math::Spatial3D s;
  s.setPosition(1, 2, 3);
  EXPECT_TRUE(s.getPosition() == math::Vector3(1, 2, 3));
  s.setPosition(math::Vector3(4, 5, 6));
  EXPECT_TRUE(s.getPosition() == math::Vector3(4, 5, 6));
}
