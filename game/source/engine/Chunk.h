#pragma once
// Short-lived debris of broken blocks: one atom that the level's physics
// moves over the floor, dead 2 s after it was made. A normal chunk is a
// tinted sparkle; an explosion chunk is the broken block itself, shrinking
// and fading as it flies.

#include "engine/Atomic.h"
#include "engine/GameObject.h"
#include "math/Box3D.h"
#include "math/Color.h"

class Chunk : public Atomic, public GameObject {
public:
  static constexpr float lifetime = 2.0f;

  // Joins the level's simulation; it touches only the floor.
  Chunk(Level &level, float radius);
  ~Chunk() override;

  void setPosition(const math::Vector3 &p) override { Atomic::setPosition(p); }
  math::Vector3 getPosition() const override { return atomPosition(); }
  // Nothing when dead.
  void render(video::Canvas &canvas) override;
  void update(float dt) override;

  // White, its alpha falling from 1 to 0 over the lifetime.
  virtual math::Color color() const;
  virtual float scale() const { return 1.0f; }
  // A cell's square around the position.
  math::Box3D bounds() const;
  float age() const { return m_age; }

protected:
  virtual void drawChunk(video::Canvas &canvas) = 0;
  // The share of the lifetime still to come, 0 once it has run out.
  float remaining() const;

  float m_age = 0.0f;
};

class ChunkNormal : public Chunk {
public:
  explicit ChunkNormal(Level &level);

  math::Color color() const override;
  void setTint(const math::Color &tint) { m_tint = tint; }
  const math::Color &tint() const { return m_tint; }

protected:
  void drawChunk(video::Canvas &canvas) override;

private:
  math::Color m_tint = math::Color::white;
};

class ChunkExplosion : public Chunk {
public:
  // The block kind and colour whose picture it shows.
  ChunkExplosion(Level &level, unsigned kind, unsigned color);

  float scale() const override { return remaining(); }
  unsigned kind() const { return m_kind; }
  unsigned blockColor() const { return m_color; }

protected:
  void drawChunk(video::Canvas &canvas) override;

private:
  unsigned m_kind;
  unsigned m_color;
};
