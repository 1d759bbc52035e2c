#include "gui/PageSound.h"

namespace GUI {

namespace {
PageSoundPlayer *thePlayer = nullptr;
}

void setPageSoundPlayer(PageSoundPlayer *player) { thePlayer = player; }

PageSoundPlayer *pageSoundPlayer() { return thePlayer; }

void playSound(Symbol sound) {
  if (!sound.isEmpty() && thePlayer)
    thePlayer->playSound(sound);
}

void selectSoundscape(Symbol name) {
  if (thePlayer)
    thePlayer->selectSoundscape(name);
}

} // namespace GUI
