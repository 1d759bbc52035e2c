#pragma once
// The game's screens, registered in one step of the application's start-up.
// Those whose pages are not built yet join with them.

namespace screen {

// Clears the registry (no screen is current after it), then registers
// "blank", "game", "home", "homeIntro" and "levelComplete".
void registerGameScreens();

} // namespace screen
