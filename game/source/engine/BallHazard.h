#pragma once
// The one rule by which the hazards harm the ball: only while the engine
// and the ball both play; a shield (a power or a bonus charge) is lost
// first, an invulnerable ball is spared, and otherwise the ball dies.

class Ball;
class Level;

// Whether the rule applied: the engine and the ball were playing.
bool strikeBall(Level &level, Ball &ball);
