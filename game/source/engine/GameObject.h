#pragma once
// The base of every object of a level: blocks, pick-ups, hazards, debris and
// score effects. The level owns its objects in one list per kind; an object
// that has finished sets its dead flag and the level removes and deletes it
// at its next list update.

#include "file/NonCopyable.h"
#include "math/Vector3.h"

class Level;
namespace video {
class Canvas;
}

class GameObject : public NonCopyable {
public:
  explicit GameObject(Level *owner) : m_owner(owner) {}
  virtual ~GameObject() = default;

  virtual void update(float dt) { (void)dt; }
  virtual void render(video::Canvas &canvas) { (void)canvas; }
  virtual math::Vector3 getPosition() const = 0;
  // The level calls it on every tar ball once the ball has died.
  virtual void deactivate() {}
  // Back to how a new ball finds the object.
  virtual void reset() {}

  Level *owner() const { return m_owner; }
  bool isDead() const { return m_dead; }
  void setDead() { m_dead = true; }

protected:
  Level *const m_owner;
  bool m_dead = false;
};
