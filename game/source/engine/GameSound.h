#pragma once
// The game objects' sounds: a request for the audio player's next update,
// from the current database's sounds. Without a database or an open mixer
// nothing plays.

#include "xstring/Symbol.h"

// Played at full volume, centred; a second request before the player's next
// update is dropped.
void queueGameSound(Symbol name, float frequency = 1.0f);
