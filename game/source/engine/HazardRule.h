#pragma once
// How the hazards harm the ball: only while the game engine plays and the
// ball is in play; a shield (a power or a bonus charge) is lost first, a ball
// in its grace time is spared, and otherwise the ball dies.

class Ball;
class Level;

// Whether the engine that runs the level is in its playing state.
bool enginePlaying(const Level &level);
void strikeBall(Ball &ball);
