#pragma once
// The game's two page lists: the menu pages, made once at start-up, and the
// in-game pages, made while the game's engine is active. Each creation
// registers its pages with the page factory; trashing hands them back to it,
// which deletes them at its next update.

namespace GUI {

void createMenuPages();
void createGamePages();
void trashMenuPages();
void trashGamePages();

} // namespace GUI
