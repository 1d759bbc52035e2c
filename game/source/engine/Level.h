#pragma once
// A level in play: its objects in one list per kind and three keyed tables,
// the physics of its world, the view that follows the ball, and the seven
// drawing passes in their fixed order.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "engine/BlockColors.h"
#include "engine/BlockGrid.h"
#include "engine/LevelBase.h"
#include "engine/ObjectList.h"
#include "engine/Tuning.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"
#include "physics/Plane.h"
#include "physics/Simulation.h"
#include "video/Quad3D.h"
#include "xstring/Symbol.h"

#include <cstdint>

class Ball;
class Block;
class FloorArea;
class GroupScoreDrop;
class Texture;
namespace file {
class ByteReceiver;
}
namespace physics {
class Structure3D;
class WorldGeometry;
} // namespace physics

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
  static constexpr float ballRadius = tuning::ballRadius;
  static constexpr float cameraHeight = tuning::cameraHeight;

  explicit Level(Engine *engine);
  ~Level() override;

  // Reads the level file, then finishes the level: block faces, floor
  // bounds, the view and the floor meshes, the camera at its home. False,
  // with the level unfinished, for a file that is cut short, holds a count
  // running past its bytes, or holds what the game cannot read.
  bool load(file::ByteProducer &in) override;
  // The level file of what the level holds now, in the file's order.
  void writeFile(file::ByteReceiver &out) const;

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

  Ball &ball() { return *m_ball; }
  const Ball &ball() const { return *m_ball; }
  BlockGrid &blockGrid() { return m_blockGrid; }
  const BlockGrid &blockGrid() const { return m_blockGrid; }
  // The ball when the structure is its own, else null.
  Ball *ballFromStructure(const physics::Structure3D *structure) const;

  // Cell (c, r) is centred on (3c, 3r, 0); the lattice point (x, y) of the
  // floor outlines is the lower-left corner of cell (x, y).
  static math::Vector3 cellCentre(const math::Vector2i &cell);
  static math::Vector3 cellCorner(const math::Vector2i &point);
  // The cell holding the point; exact halves round down.
  static math::Vector2i worldToCell(const math::Vector3 &point);

  // The first floor area whose walls leave the point free; 0 when none does.
  uint32_t floorAreaAt(const math::Vector3 &point) const;
  // Whether any floor area leaves the point free.
  bool onFloor(const math::Vector3 &point) const;
  uint32_t floorAreaCount() const { return m_floorAreas.size(); }
  FloorArea &floorArea(uint32_t i) { return *m_floorAreas[i]; }
  const FloorArea &floorArea(uint32_t i) const { return *m_floorAreas[i]; }
  // The bounding box of every floor area's outline.
  const math::Vector3 &floorMin() const { return m_floorMin; }
  const math::Vector3 &floorMax() const { return m_floorMax; }
  // Gives each block of the cells (inclusive, held to the grid) the faces
  // its neighbours leave open.
  void refreshBlockFaces(const math::Vector2i &low, const math::Vector2i &high);

  // The bonus charge: a colour below COLOR_NONE and the charges taken of it.
  unsigned bonusColor() const { return m_bonusColor; }
  unsigned bonusCount() const { return m_bonusCount; }
  bool hasBonusCharge() const { return m_bonusColor < COLOR_NONE; }
  void resetBonusCharge();
  // The ball discharges the held colour, then the charge is reset.
  void dischargeBonus();

  // Block groups: each power use takes the next id.
  unsigned takeGroupId() { return m_nextGroupId++; }
  unsigned nextGroupId() const { return m_nextGroupId; }
  // The group's count of frozen blocks whose freeze has not spread yet.
  void freezeCounted(unsigned group);
  void freezeSpreadDone(unsigned group);
  // Freezes into the block's group the neighbours of the same colour that
  // are normal or stone, live and without a group.
  void spreadFreeze(const Block &block);
  // Shakes the live, unfrozen normal and unbreakable blocks within the
  // radius, away from the centre, the nearer the stronger and the sooner.
  void blast(const math::Vector3 &centre, float radius, float strength);

  // What a hit block asks of the level's scoring and effects. The level
  // keeps no score and no splats yet, so these do nothing.
  void registerHit(Block &block);
  void blockBroken(const Block &block);
  void blockScored(const Block &block);
  void addSplat(const math::Vector3 &position, unsigned colour);

  int32_t state() const { return m_state; }
  // The level file's background and interior textures.
  Symbol backgroundName() const { return m_backgroundName; }
  Symbol interiorName() const { return m_interiorName; }
  // Texture coordinates per world unit of the two textures.
  float backgroundScale() const { return m_backgroundScale; }
  float interiorScale() const { return m_interiorScale; }
  // Whole seconds the time bonus counts against.
  uint32_t parTime() const { return m_parTime; }
  // Kept for the snapshot; nothing reads it.
  uint32_t levelWord() const { return m_levelWord; }

  // A level made in memory, to be written: the file's values, and floor
  // areas appended with the next index.
  void setTextures(Symbol background, Symbol interior);
  void setParTime(uint32_t seconds) { m_parTime = seconds; }
  void setLevelWord(uint32_t word) { m_levelWord = word; }
  void setBallStart(const math::Vector2 &start) { m_ballStart = start; }
  void setCameraMargins(const math::Vector2 &margins) { m_cameraMargins = margins; }
  FloorArea &addFloorArea();
  // Ball bonus + score + time bonus; 0 until the level scores.
  virtual uint32_t total() const { return 0; }
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
  bool readFile(file::ByteProducer &in);
  bool readFloorAreas(file::ByteProducer &in);
  bool readSections(file::ByteProducer &in);
  // The level's own work once the file is read.
  void finishLoad();
  void refreshTextureScales();

  // Made by the constructor.
  Ball *m_ball = nullptr;
  BlockGrid m_blockGrid{*this};
  physics::Simulation m_simulation;
  physics::Plane m_floorPlane;
  container::HashTable<const physics::WorldGeometry *, Block *> m_blockTable;
  container::HashTable<unsigned, GroupScoreDrop *> m_groupScoreDropTable;
  container::HashTable<unsigned, unsigned> m_groupCounts;
  container::Vector<GroupTimer> m_groupTimers;
  ObjectList<FloorArea> m_floorAreas;

  int32_t m_state = NOT_BEGUN;
  unsigned m_bonusColor = COLOR_NONE;
  unsigned m_bonusCount = 1;
  unsigned m_nextGroupId = 1;

  // What the level file gives; the loader fills them in.
  Symbol m_backgroundName;
  Symbol m_interiorName;
  Texture *m_backgroundTexture = nullptr;
  Texture *m_interiorTexture = nullptr;
  float m_backgroundScale = 0.0f;
  float m_interiorScale = 0.0f;
  math::Vector2 m_ballStart;
  math::Vector2 m_cameraMargins{100.0f, 100.0f};
  uint32_t m_parTime = 99;
  uint32_t m_levelWord = 0;
  math::Vector3 m_floorMin;
  math::Vector3 m_floorMax;
  bool m_fitsOnScreen = false;

  math::Vector3 m_visibleMin;
  math::Vector3 m_visibleMax;
  math::Vector2i m_visibleCellLow;
  math::Vector2i m_visibleCellHigh;
  float m_spriteSize = 32.0f;

  video::Quad3D m_background;
};
