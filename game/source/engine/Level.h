#pragma once
// A level in play: its objects in one list per kind and three keyed tables,
// the physics of its world, the view that follows the ball, and the seven
// drawing passes in their fixed order.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "engine/LevelBase.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"
#include "physics/Plane.h"
#include "physics/Simulation.h"
#include "video/Quad3D.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Block;
class GroupScoreDrop;
class Texture;
namespace physics {
class WorldGeometry;
}

// A block group waiting to break.
struct GroupTimer {
  uint32_t group;
  float seconds;
};

class Level : public LevelBase {
public:
  enum State : int32_t {
    TUTORIAL = 0,
    BALL_INTRO = 1,
    PLAYING = 2,
    SHAKE_OFF = 3,
    BALL_LOST = 4,
    COMPLETING = 5,
    COMPLETE = 6,
    FAILED = 7,
    NOT_BEGUN = 8,
  };

  // Grid cells are this wide; cell (c, r) is centred on (3c, 3r, 0).
  static constexpr float cellSize = 3.0f;
  // The ball's radius; the floor plane lies this far below z = 0.
  static constexpr float ballRadius = 1.45f;
  static constexpr float cameraHeight = 55.0f;

  explicit Level(Engine *engine);
  ~Level() override;

  bool isComplete() const override { return m_state == COMPLETE; }
  bool isFailed() const override { return m_state == FAILED; }
  void refreshView() override { refreshSpriteSize(); }
  // After a window change: the field of view follows the new shape.
  void touch() override;
  void renderBackground(video::Canvas &canvas) override;
  void renderFloors(video::Canvas &canvas) override;
  void renderGround(video::Canvas &canvas) override;
  void renderBlocks(video::Canvas &canvas) override;
  void renderObjects(video::Canvas &canvas) override;
  void renderGates(video::Canvas &canvas) override;
  void renderOverlay(video::Canvas &canvas) override;
  Level *level() override { return this; }

  int32_t state() const { return m_state; }
  physics::Simulation &simulation() { return m_simulation; }
  const physics::Plane &floorPlane() const { return m_floorPlane; }

  // Blocks by their collision geometry, for the blocks' contact callbacks.
  void addBlock(const physics::WorldGeometry *geometry, Block *block);
  bool removeBlock(const physics::WorldGeometry *geometry);
  // Null when no block has that geometry.
  Block *blockFromGeometry(const physics::WorldGeometry *geometry) const;
  container::HashTable<unsigned, GroupScoreDrop *> &groupScoreDropTable() {
    return m_groupScoreDropTable;
  }
  container::HashTable<unsigned, unsigned> &groupCounts() { return m_groupCounts; }
  container::Vector<GroupTimer> &groupTimers() { return m_groupTimers; }

  // The view. Camera home: above the ball's start, or above the origin when
  // the whole floor fits on screen.
  math::Vector3 cameraHome() const;
  // The world points under the window's corners in z = 0, and the cells
  // that cover them.
  void refreshVisibleRectangle();
  const math::Vector3 &visibleMin() const { return m_visibleMin; }
  const math::Vector3 &visibleMax() const { return m_visibleMax; }
  const math::Vector2i &visibleCellLow() const { return m_visibleCellLow; }
  const math::Vector2i &visibleCellHigh() const { return m_visibleCellHigh; }
  // Inclusive cells covering the box of two world corners.
  static void cellRange(const math::Vector3 &a, const math::Vector3 &b, math::Vector2i &low,
                        math::Vector2i &high);
  // The on-screen radius in pixels of a sprite-sized sphere under the camera.
  void refreshSpriteSize();
  float spriteSize() const { return m_spriteSize; }
  // The larger window side sees 60 degrees, the other in proportion.
  void setFieldOfView();
  bool fitsOnScreen() const { return m_fitsOnScreen; }
  const math::Vector2 &ballStart() const { return m_ballStart; }
  const math::Vector2 &cameraMargins() const { return m_cameraMargins; }

  static Symbol groundEffects();
  static Symbol blockEffects();
  static Symbol objectEffects();

protected:
  physics::Simulation m_simulation;
  physics::Plane m_floorPlane;
  container::HashTable<const physics::WorldGeometry *, Block *> m_blockTable;
  container::HashTable<unsigned, GroupScoreDrop *> m_groupScoreDropTable;
  container::HashTable<unsigned, unsigned> m_groupCounts;
  container::Vector<GroupTimer> m_groupTimers;

  int32_t m_state = NOT_BEGUN;

  // What the level file gives; the loader fills them in.
  Symbol m_backgroundName;
  Symbol m_interiorName;
  Texture *m_backgroundTexture = nullptr;
  float m_backgroundScale = 0.0f;
  float m_interiorScale = 0.0f;
  math::Vector2 m_ballStart;
  math::Vector2 m_cameraMargins{100.0f, 100.0f};
  bool m_fitsOnScreen = false;

  math::Vector3 m_visibleMin;
  math::Vector3 m_visibleMax;
  math::Vector2i m_visibleCellLow;
  math::Vector2i m_visibleCellHigh;
  float m_spriteSize = 32.0f;

  video::Quad3D m_background;
};
