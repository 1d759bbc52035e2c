#pragma once
// The player's ball: one physics atom that the tilt accelerates across the
// level's floor. It bounces off blocks and walls, holds one timed power at a
// time, can be tarred, teleported through tubes, shielded and killed; its
// state machine is driven by the level, the blocks and the hazards.

#include "container/Vector.h"
#include "engine/Atomic.h"
#include "engine/GameObject.h"
#include "engine/LightningOrbiter.h"
#include "engine/SmokeSystem.h"
#include "engine/SparkListener.h"
#include "engine/SparkSystem.h"
#include "engine/Trail.h"
#include "engine/TumblixStructureOwner.h"
#include "math/Vector3.h"
#include "physics/Listener.h"

#include <cstdint>

class ParticleSystem;
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Ball : public Atomic,
             public GameObject,
             public physics::BounceListener,
             public video::SparkListener,
             public TumblixStructureOwner {
public:
  enum State : unsigned {
    WAITING = 0,
    APPEARING = 1,
    PLAYING = 2,
    TARRED = 3,
    TELEPORTING = 4,
    DYING = 5,
    COMPLETE = 6,
  };
  // The same numbering as a block's charge and a power hit.
  enum Power : unsigned { BOMB = 0, LIGHTNING = 1, ICE = 2, FIRE = 3, NUCLEAR = 4, NO_POWER = 5 };
  static constexpr uint32_t orbiterCount = 7;

  // Adds its structure to the level's simulation; the level sets the atom's
  // radius and bounce.
  explicit Ball(Level &level);
  ~Ball() override;

  void update(float dt) override;
  // The trail, effects, look, sparks, heat and smoke; nothing while waiting.
  void render(video::Canvas &canvas) override;
  math::Vector3 getPosition() const override { return atomPosition(); }
  // The textures of the ball's looks, made resident.
  static void preloadTextures();

  // Nothing when s is the current state; else the state time restarts and
  // the entry action of s runs, the collision masks last.
  void setState(unsigned s);
  void die() { setState(DYING); }
  void complete() { setState(COMPLETE); }
  bool isPlaying() const { return m_state == PLAYING; }
  // A power, or the level's bonus charge.
  bool hasShield() const;
  void loseShield();
  float invulnerableTime() const { return m_invulnerableTime; }

  unsigned power() const { return m_power; }
  // A power held, blinking five times a second in its last 2 s.
  bool showsPowerLook() const;
  // Rising to 1 over the first second of appearing.
  float appearAlpha() const;
  // 0.2 in the hidden phase of the blink while invulnerable.
  float blinkAlpha() const;
  // The trail's glow pass or core pass.
  void setTrailStyle(bool glow);
  float diameter() const { return 2.0f * atom().radius; }
  // For the power's whole time; the ice charge emits exactly while it is ice.
  void setPower(unsigned kind);
  void clearPower();
  // With the "ballLoseSuper" effect.
  void losePower();

  // A charge effect of the colour (0 to 5) that glows while it lasts.
  void addBonusCharge(unsigned colour);
  void bonusDischarge(unsigned colour);
  void tar();
  void shakeOffTar();
  void teleportBegin();
  // Back in play in the first floor region free of walls at the position.
  void teleportEnd();
  // Starts or renews the heat effect and its smoke.
  void heat();

  video::SparkSystem &sparkSystem() { return m_sparks; }
  void onBounce(const physics::BounceEvent &event) override;
  void onSparkArrived(video::Spark &spark) override;

  // The ball's record in the level's snapshot: position, region, state,
  // timers, power, sparks and trail.
  void write(file::ByteReceiver &out) const;
  // False when the record is cut short, its state or power is out of range,
  // or its sparks or trail do not read; the ball then waits at the origin.
  bool read(file::ByteProducer &in);

  // Damping and acceleration factor from the control time, into the atom.
  void updateControl();
  // Sense, slide and bounce masks from the state and the power.
  void updateCollisionMasks();

  unsigned state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  float controlTime() const { return m_controlTime; }
  float damping() const { return m_damping; }
  float accelerationFactor() const { return m_accelerationFactor; }
  float powerTime() const { return m_powerTime; }
  float heatTime() const { return m_heatTime; }
  float rollAngle() const { return m_rollAngle; }
  float heading() const { return m_heading; }
  bool visible() const { return m_visible; }
  const math::Vector3 &bombAnchor() const { return m_bombAnchor; }
  const LightningOrbiter &orbiter(uint32_t i) const { return m_orbiters[i]; }
  Trail &trail() { return m_trail; }
  video::SmokeSystem &smoke() { return m_smoke; }
  uint32_t chargeEffectCount() const { return m_chargeEffects.size(); }
  ParticleSystem *iceCharge() const { return m_iceCharge; }
  ParticleSystem *heatEffect() const { return m_heatEffect; }

private:
  void enterState();
  void updateBlink(float dt);
  void updateRoll();
  void dropBombs();
  void updateEffects(float dt);
  void addTrailPoint();
  void renderNormalLook(video::Canvas &canvas);
  void renderGlow(video::Canvas &canvas);
  void renderPowerLook(video::Canvas &canvas);
  // The level's bonus charge colour; white without one.
  math::Color chargeColour() const;
  void spawnAtBall(Symbol effect, float scale, const math::Color &colour, Symbol list);
  bool enginePlaying() const;

  Trail m_trail{1.0f};
  unsigned m_state;
  float m_stateTime = 0.0f;
  float m_damping;
  float m_accelerationFactor = 0.0f;
  float m_controlTime = 0.0f;
  unsigned m_power = NO_POWER;
  float m_powerTime = 0.0f;
  float m_crystalTimer = 0.0f;
  math::Vector3 m_bombAnchor;
  LightningOrbiter m_orbiters[orbiterCount];
  ParticleSystem *m_iceCharge = nullptr;
  container::Vector<ParticleSystem *> m_chargeEffects;
  float m_heatTime = 0.0f;
  ParticleSystem *m_heatEffect = nullptr;
  video::SmokeSystem m_smoke;
  float m_rollAngle = 0.0f;
  float m_heading = 0.0f;
  math::Vector3 m_lastPosition;
  float m_invulnerableTime = 0.0f;
  float m_blinkTimer = 0.0f;
  bool m_visible = true;
  video::SparkSystem m_sparks;
};
