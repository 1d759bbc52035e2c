#pragma once
// How pages and widgets play their sounds and choose the soundscape: the
// framework, which owns audio, installs a player; without one both are
// skipped.

#include "xstring/Symbol.h"

namespace GUI {

class PageSoundPlayer {
public:
  virtual ~PageSoundPlayer() = default;
  // Plays the named sound of the current database once, at once.
  virtual void playSound(Symbol sound) = 0;
  // Every active soundscape of another name fades out; one of this name
  // goes on playing. None is started.
  virtual void selectSoundscape(Symbol) {}
};

// Not owned; null removes it.
void setPageSoundPlayer(PageSoundPlayer *player);
PageSoundPlayer *pageSoundPlayer();
// Nothing for the empty Symbol or without a player.
void playSound(Symbol sound);
// Nothing without a player.
void selectSoundscape(Symbol name);

} // namespace GUI
