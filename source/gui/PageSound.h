#pragma once
// How pages and widgets play their sounds: the framework, which owns audio,
// installs a player; without one the sounds are skipped.

#include "xstring/Symbol.h"

namespace GUI {

class PageSoundPlayer {
public:
  virtual ~PageSoundPlayer() = default;
  // Plays the named sound of the current database once, at once.
  virtual void playSound(Symbol sound) = 0;
};

// Not owned; null removes it.
void setPageSoundPlayer(PageSoundPlayer *player);
PageSoundPlayer *pageSoundPlayer();
// Nothing for the empty Symbol or without a player.
void playSound(Symbol sound);

} // namespace GUI
