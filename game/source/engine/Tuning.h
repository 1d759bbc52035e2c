#pragma once
// The game's tuning: eleven values kept together in one table. The ball, the
// debris and the level read them through the names below.

namespace tuning {

inline constexpr float table[11] = {60.0f, 55.0f, 200.0f, 10.0f, 1.45f, 0.75f,
                                    1.0f,  0.8f,  7.0f,   1.0f,  60.0f};

// The camera's height over the level's plane.
inline constexpr float cameraHeight = table[1];
// Tilt to acceleration of the ball and the debris.
inline constexpr float tiltScale = table[2];
// Seconds a power lasts.
inline constexpr float powerTime = table[3];
// Also the trail jitter of the lightning power and the rounding of walls.
inline constexpr float ballRadius = table[4];
inline constexpr float ballBounce = table[5];
// The ball's speed stays within 0 and this many units per physics step.
inline constexpr float speedRange = table[6];
// Damping and acceleration factor once the ball is under full control.
inline constexpr float controlDamping = table[7];
inline constexpr float controlAcceleration = table[8];
// Seconds after a bounce until full control.
inline constexpr float controlTime = table[9];

} // namespace tuning
