#pragma once
// A level in play: its objects in one list per kind and three keyed tables,
// the physics of its world, the view that follows the ball, and the seven
// drawing passes in their fixed order.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "engine/BlockColors.h"
#include "engine/BlockGrid.h"
#include "engine/BlockLightning.h"
#include "engine/Chomp.h"
#include "engine/Chunk.h"
#include "engine/Coin.h"
#include "engine/CoinMeter.h"
#include "engine/Door.h"
#include "engine/Explosion.h"
#include "engine/Fire.h"
#include "engine/Gate.h"
#include "engine/GroupScoreDrop.h"
#include "engine/Lava.h"
#include "engine/LevelBase.h"
#include "engine/LevelBatches.h"
#include "engine/MoneyBug.h"
#include "engine/Neutron.h"
#include "engine/ObjectList.h"
#include "engine/ScoreBar.h"
#include "engine/ScoreDrop.h"
#include "engine/Secret.h"
#include "engine/Splatter.h"
#include "engine/SpriteBatch.h"
#include "engine/Switch.h"
#include "engine/TarBall.h"
#include "engine/TarDots.h"
#include "engine/Tube.h"
#include "engine/Tuning.h"
#include "engine/Worm.h"
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
class Texture;
namespace file {
class ByteReceiver;
}
namespace framework {
struct InputEvent;
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

// An eased move of the camera in progress.
struct CameraMove {
  math::Vector3 from;
  math::Vector3 to;
  float elapsed = 0.0f;
  float duration = 0.0f;
  bool moveXY = false;
  bool moveZ = false;
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
  // The level in play for a saved game, field by field; chunks, score drops,
  // splats, group timers and the camera margins are left out. Reading is
  // into a new level and finishes it as loading does, with the camera where
  // it was. False for a record cut short, a count running past its bytes,
  // two group drops of one id or objects of a kind the game does not hold;
  // the level is then unfit to play.
  void writeState(file::ByteReceiver &out) const;
  bool readState(file::ByteProducer &in);

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

  // ---- Debris, splats and sprite batches.
  // A splash of the block colour at the point.
  void addSplat(const math::Vector3 &position, unsigned colour);
  void addChunkNormal(ChunkNormal *chunk) { m_chunksNormal.append(chunk); }
  void addChunkExplosion(ChunkExplosion *chunk) { m_chunksExplosion.append(chunk); }
  ObjectList<ChunkNormal> &chunksNormal() { return m_chunksNormal; }
  ObjectList<ChunkExplosion> &chunksExplosion() { return m_chunksExplosion; }
  Splatter &splatter() { return m_splatter; }
  LevelBatches &batches() { return m_batches; }
  // Takes the pool.
  void addLava(Lava *lava) { m_lavas.append(lava); }
  ObjectList<Lava> &lavas() { return m_lavas; }
  // ---- Secrets: areas under the background that the ball uncovers.
  void addSecret(Secret *secret) { m_secrets.append(secret); }
  ObjectList<Secret> &secrets() { return m_secrets; }
  Texture *backgroundTexture() const { return m_backgroundTexture; }
  // ---- Tubes: pipes that carry the ball from their mouth to their exit.
  void addTube(Tube *tube) { m_tubes.append(tube); }
  ObjectList<Tube> &tubes() { return m_tubes; }
  // One layer of every visible tube.
  void renderTubes(video::Canvas &canvas, uint32_t layer);
  // Whether the box overlaps the visible rectangle.
  bool isVisible(const math::Box3D &box) const;
  // The visible cell range widened by one cell on the low side, clipped to
  // the grid; false when no cell of the grid is in it.
  bool drawnCells(math::Vector2i &low, math::Vector2i &high) const;

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

  // ---- Play: the frame's update, the states, the camera's moves.
  // Play begins in the tutorial on the first level while only it is open,
  // else with the ball's intro.
  void begin() override;
  // The frame in its fixed order: tilt, physics, ball, blocks, groups,
  // objects, camera, power charge, displays, pending coins, state, effects.
  void update(float dt) override;
  // A tap well inside the window during play, once play has run for 3 s
  // after a pause, opens the pause page. Never consumed.
  bool handleEvent(const framework::InputEvent &event) override;
  // Nothing when the level is in that state already; else the state time
  // restarts and the new state's entry actions run.
  void setState(int32_t state);
  void forceComplete() { setState(COMPLETING); }
  void forceFail() { setState(FAILED); }
  float stateTime() const { return m_stateTime; }
  // Seconds that count towards the time bonus: those of play with the ball
  // in the game.
  float playTime() const { return m_playTime; }
  uint32_t balls() const { return m_balls; }
  uint32_t blocksBroken() const { return m_blocksBroken; }
  const math::Vector3 &tilt() const { return m_tilt; }
  float shake() const { return m_shake; }
  // The level's own physics step: every structure moves, then three passes
  // in which each structure that touches anything collides with the world's
  // geometries, then with the blocks its atoms swept, then runs its
  // constraints; then speeds are clamped and the ball is held in z = 0.
  void stepPhysics(float dt);
  // Each block by cell; a dead one leaves the grid and is deleted, and the
  // faces of the blocks around it are worked out again.
  void updateBlocks(float dt);
  // Cells of the grid in the range; false when none are.
  bool clipToGrid(math::Vector2i &low, math::Vector2i &high) const;
  void moveCamera(const math::Vector3 &from, const math::Vector3 &to, float duration, bool moveXY);
  // Back over 1 s: home when the floor fits on screen, else to the height.
  void cameraBack();
  void stepCameraMove(float dt);
  // Keeps the ball inside the margins of the window.
  void trackCamera();
  const CameraMove &cameraMove() const { return m_cameraMove; }

  // ---- Bombs, bolts, neutrons and coins, made during play or read.
  void addNeutron(Neutron *neutron) { m_neutrons.append(neutron); }
  void addExplosion(Explosion *explosion) { m_explosions.append(explosion); }
  void addBlockLightning(BlockLightning *bolt) { m_blockLightnings.append(bolt); }
  void addCoin(Coin *coin) { m_coins.append(coin); }
  // The first coin in the cell, out of the list; null when none.
  Coin *takeCoin(const math::Vector2i &cell);
  bool hasCoin(const math::Vector2i &cell) const;
  ObjectList<Neutron> &neutrons() { return m_neutrons; }
  ObjectList<Explosion> &explosions() { return m_explosions; }
  ObjectList<BlockLightning> &blockLightnings() { return m_blockLightnings; }
  ObjectList<Coin> &coins() { return m_coins; }
  CoinMeter &coinMeter() { return m_coinMeter; }
  // Each live neutron that meets a live block's geometry marks the block
  // and stops.
  void neutronHits();
  // Idle coins of the visible cells in one batch, the others by
  // themselves; the live neutrons in one batch, fading.
  void renderCoins(video::Canvas &canvas);
  void renderNeutrons(video::Canvas &canvas);

  // ---- Chomps, fires and money bugs.
  void addChomp(Chomp *chomp) { m_chomps.append(chomp); }
  // The first chomp in the cell, out of the list; null when none.
  Chomp *takeChomp(const math::Vector2i &cell);
  bool hasChomp(const math::Vector2i &cell) const;
  ObjectList<Chomp> &chomps() { return m_chomps; }
  void addFire(Fire *fire) { m_fires.append(fire); }
  ObjectList<Fire> &fires() { return m_fires; }
  void addMoneyBug(MoneyBug *bug) { m_moneyBugs.append(bug); }
  ObjectList<MoneyBug> &moneyBugs() { return m_moneyBugs; }
  // Whether a money bug's coin may land in the cell: floor without a
  // block, a coin, a chomp, a switch, a tar ball or a gate's post.
  bool cellIsFree(const math::Vector2i &cell) const;
  // Chomps in three layers (all glow, then body and eye of those in the
  // visible cells); the visible fires; the visible bugs' blades and bodies.
  void renderChomps(video::Canvas &canvas);
  void renderFires(video::Canvas &canvas);
  void renderMoneyBugs(video::Canvas &canvas);

  // ---- Doors and the switches that toggle them.
  void addDoor(Door *door) { m_doors.append(door); }
  void addSwitch(Switch *pad) { m_switches.append(pad); }
  // The first switch in the cell, out of the list; null when none.
  Switch *takeSwitch(const math::Vector2i &cell);
  bool hasSwitch(const math::Vector2i &cell) const;
  // A switch was hit: every door toggles (those mid-change ignore it).
  void toggleDoors();
  ObjectList<Door> &doors() { return m_doors; }
  ObjectList<Switch> &switches() { return m_switches; }
  // The visible doors' beams, then their covers; the visible switches.
  void renderDoors(video::Canvas &canvas);
  void renderSwitches(video::Canvas &canvas);

  // ---- Gates.
  void addGate(Gate *gate) { m_gates.append(gate); }
  ObjectList<Gate> &gates() { return m_gates; }

  // ---- Tar balls and the tar dots they drip.
  void addTarBall(TarBall *tar) { m_tarBalls.append(tar); }
  // The first tar ball of the cell, out of the list; null when none.
  TarBall *takeTarBall(const math::Vector2i &cell);
  bool hasTarBall(const math::Vector2i &cell) const;
  // The first tar ball of the cell, left in the list; null when none.
  TarBall *findTarBall(const math::Vector2i &cell) const;
  ObjectList<TarBall> &tarBalls() { return m_tarBalls; }
  TarDots &tarDots() { return m_tarDots; }
  // The ball shook its tar off: every stuck tar ball comes off and goes.
  void shakeOffTarBalls();
  // While the ball is shaken, only the tar stuck to it goes on.
  void updateStuckTarBalls(float dt);
  // The glowing blobs, each tar's own drawing, then the cores, eyes and
  // pupils.
  void renderTarBalls(video::Canvas &canvas);

  // ---- Worms.
  // Takes the worm.
  Worm *addWorm(Worm *worm);
  ObjectList<Worm> &worms() { return m_worms; }
  // The live segments in their batches, then the visible heads.
  void renderWorms(video::Canvas &canvas);

  // ---- Scoring: points, block groups, bonus charge, coins and totals.
  // Points to the score (1 while the tester plays) and to a drop: the
  // group's drop when the group is not 0, else a drop of its own.
  void addScore(uint32_t points, uint32_t group, const math::Vector3 &position);
  // A coloured block that breaks counts and scores, times the bonus count
  // when it is of the charged colour.
  void blockBroken(const Block &block);
  // 25 points without counting the block as broken.
  void blockScored(const Block &block);
  // A hit on a normal or bonus block: its charge, when older than 0.25 s,
  // gives the ball its power; a bonus block charges the bonus.
  void registerHit(Block &block);
  // A charge of another colour starts at 2; the same colour counts up.
  void chargeBonus(unsigned colour);
  // Frozen groups about to shatter lose dt; a group whose count of
  // unspread freezes is 0 gets 0.2 s.
  void updateGroupTimers(float dt);
  // Every 8 s, when no visible block is charged, a random visible normal
  // block without a group takes a random charge.
  void chargePower(float dt);
  float chargeTimer() const { return m_chargeTimer; }
  // Up to three blocks of the block's colour near it, without a group,
  // chosen at random, each struck by a bolt of the depth from the block; the
  // sound plays when there is one.
  void lightningFrom(const Block &block, unsigned depth = 0);
  uint32_t lightningTargetCount() const { return m_lightningTargetCount; }
  Block *lightningTarget(uint32_t i) const { return m_lightningTargets[i]; }
  // The 25th coin of a meter earns a ball; coins after it wait.
  void coinCollected();
  // The earned-ball notice closed: the meter starts again.
  void endExtraBallNotice();
  // The last live block of the grid is touched as if by the ball.
  void hitRandomBlock();
  uint32_t score() const { return m_score; }
  // 500 a ball in reserve.
  uint32_t bonusPoints() const { return 500 * m_balls; }
  // 1 at the start falling to 0 at the par time; 0 while the tester plays.
  float timeBonusFactor() const;
  // The score times the factor, an exact half rounded down.
  uint32_t timeBonus() const;
  // Ball bonus + score + time bonus.
  virtual uint32_t total() const;
  uint32_t coinCount() const { return m_coinCount; }
  bool ballEarned() const { return m_ballEarned; }
  uint32_t pendingCoins() const { return m_pendingCoins; }
  ObjectList<ScoreDrop> &scoreDrops() { return m_scoreDrops; }
  ObjectList<GroupScoreDrop> &groupScoreDrops() { return m_groupScoreDrops; }
  // The level's colour star display.
  ScoreBar &starDisplay() { return m_starDisplay; }
  // The score drops' sprite batches, by image.
  static constexpr uint32_t scoreImageCount = 10;
  SpriteBatch &scoreBatch(uint32_t image) { return *m_scoreBatches[image]; }

protected:
  // ---- Play and scoring state.
  void stepState();
  // Drops a dead group drop, and its entry in the table when the entry is
  // its own.
  void updateGroupScoreDrops(float dt);
  void renderScoreDrops(video::Canvas &canvas);
  void collideBlocks(physics::Structure3D &structure);
  // Pass 4: the blocks in their batches (the others singly), their
  // overlays and the ice.
  void renderBlockField(video::Canvas &canvas);
  // Pass 5: the sparkles of normal chunks, then the explosion chunks as
  // blocks.
  void renderChunks(video::Canvas &canvas);
  // Pass 3: the visible pools, layer by layer.
  void renderLava(video::Canvas &canvas);

  float m_stateTime = 0.0f;
  float m_playTime = 0.0f;
  uint32_t m_balls = 2;
  uint32_t m_blocksBroken = 0;
  math::Vector3 m_tilt;
  math::Vector3 m_previousTilt;
  bool m_tiltSeen = false;
  float m_shake = 0.0f;
  float m_chargeTimer = 0.0f;
  float m_lastStepTime = 0.0f;
  CameraMove m_cameraMove;
  uint32_t m_score = 0;
  uint32_t m_coinCount = 0;
  bool m_ballEarned = false;
  uint32_t m_pendingCoins = 0;
  ObjectList<ScoreDrop> m_scoreDrops;
  ObjectList<GroupScoreDrop> m_groupScoreDrops;
  ScoreBar m_starDisplay{*this};
  CoinMeter m_coinMeter{*this};
  ObjectList<Neutron> m_neutrons;
  ObjectList<Coin> m_coins;
  ObjectList<Explosion> m_explosions;
  ObjectList<BlockLightning> m_blockLightnings;
  SpriteBatch *m_scoreBatches[scoreImageCount] = {};
  // Blocks gathered for a random choice; kept to reuse their room.
  container::Vector<Block *> m_candidates;
  container::Vector<uint32_t> m_groupKeys;
  Block *m_lightningTargets[3] = {};
  uint32_t m_lightningTargetCount = 0;
  ObjectList<ChunkNormal> m_chunksNormal;
  ObjectList<ChunkExplosion> m_chunksExplosion;
  Splatter m_splatter;
  LevelBatches m_batches;
  ObjectList<Lava> m_lavas;
  ObjectList<Chomp> m_chomps;
  ObjectList<Fire> m_fires;
  ObjectList<MoneyBug> m_moneyBugs;
  // Doors and switches leave the simulation as they go: the destructor
  // deletes them before it.
  ObjectList<Door> m_doors;
  ObjectList<Switch> m_switches;
  ObjectList<Gate> m_gates;
  ObjectList<TarBall> m_tarBalls;
  TarDots m_tarDots;
  ObjectList<Worm> m_worms;
  ObjectList<Secret> m_secrets;
  ObjectList<Tube> m_tubes;

  bool readFile(file::ByteProducer &in);
  bool readFloorAreas(file::ByteProducer &in);
  bool readSections(file::ByteProducer &in);
  // The level's own work once the file is read: finishLevel, then the
  // camera at its home.
  void finishLoad();
  // Block faces, floor bounds, the view, texture scales, the fits flag and
  // the floor meshes.
  void finishLevel();
  bool readStateFields(file::ByteProducer &in);
  bool readGroupScoreDrops(file::ByteProducer &in);
  bool readGroupCounts(file::ByteProducer &in);
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
