#pragma once
// What the game engine knows of a level: its camera, its named lists of 3-D
// effects and its play time; the operations through which the engine loads,
// begins, updates, draws and questions it. Drawing runs the level's world
// passes through the camera in a fixed order, then its overlay in window
// pixels. Only the two completion queries have no default.

#include "camera/Camera.h"
#include "math/Color.h"
#include "math/Vector3.h"
#include "particle/Effect3DRegistry.h"
#include "xstring/Symbol.h"

class Effect3D;
class Engine;
class Level;
namespace file {
class ByteProducer;
}
namespace framework {
struct InputEvent;
}
namespace video {
class Canvas;
}

class LevelBase {
public:
  explicit LevelBase(Engine *engine);
  LevelBase(const LevelBase &) = delete;
  LevelBase &operator=(const LevelBase &) = delete;
  virtual ~LevelBase();

  // Reads the level file; false when it cannot be played.
  virtual bool load(file::ByteProducer &in) {
    (void)in;
    return true;
  }
  virtual void begin() {}
  // Adds to the total time, then updates every effect list in order.
  virtual void update(float dt);
  // Recomputes what depends on the view.
  virtual void refreshView() {}
  // Pushes the level's render switch, draws the six world passes through the
  // camera, then the overlay in window pixels.
  virtual void render(video::Canvas &canvas);
  // Not consumed.
  virtual bool handleEvent(const framework::InputEvent &event) {
    (void)event;
    return false;
  }
  // Called after the level has been loaded or restored.
  virtual void start() {}
  virtual bool isComplete() const = 0;
  virtual bool isFailed() const = 0;
  // Makes the level's resources resident again after a window change.
  virtual void touch() {}
  virtual void renderBackground(video::Canvas &canvas) { (void)canvas; }
  virtual void renderFloors(video::Canvas &canvas) { (void)canvas; }
  virtual void renderGround(video::Canvas &canvas) { (void)canvas; }
  virtual void renderBlocks(video::Canvas &canvas) { (void)canvas; }
  virtual void renderObjects(video::Canvas &canvas) { (void)canvas; }
  virtual void renderGates(video::Canvas &canvas) { (void)canvas; }
  virtual void renderOverlay(video::Canvas &canvas) { (void)canvas; }
  // The level itself when this is one.
  virtual Level *level() { return nullptr; }

  // Takes ownership; the list is made when the level has none of that name.
  void addEffect(Effect3D *effect, Symbol list);
  // A one-shot effect of the definition's own lifetime.
  void spawnEffect(Symbol definition, const math::Vector3 &position, float scale,
                   const math::Color &colour, Symbol list);

  Engine *engine() const { return m_engine; }
  Effect3DRegistry &effects() { return m_effects; }
  Camera &camera() { return m_camera; }
  const Camera &camera() const { return m_camera; }
  float cameraAngle() const { return m_cameraAngle; }
  float totalTime() const { return m_totalTime; }

protected:
  Engine *m_engine;
  Effect3DRegistry m_effects;
  Camera m_camera;
  // Degrees about (-1, 0, 0).
  float m_cameraAngle = 0.0f;
  // Seconds of level updates so far.
  float m_totalTime = 0.0f;
};
