#pragma once
// The one rule by which the chomp, the fire, the gate, the money bug and the
// worm harm the ball: only while the game is played and the ball plays, a
// shield goes first, a ball in its grace time is spared, else it dies.

#include <cstdint>

class Ball;
class Level;
namespace physics {
class Structure3D;
}

enum class HazardHit : uint8_t { NONE, SHIELD_LOST, SPARED, KILLED };

// The ball when the engine is playing and the structure is the ball's own;
// null otherwise (the hazards ignore such contacts).
Ball *ballTouching(const Level &level, const physics::Structure3D *structure);
// The rule on a ball that touched: nothing unless it plays.
HazardHit hurtBall(Ball &ball);
