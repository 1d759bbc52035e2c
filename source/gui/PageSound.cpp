#include "gui/PageSound.h"

namespace GUI {

namespace {
PageSoundPlayer *thePlayer = nullptr;
}

void setPageSoundPlayer(PageSoundPlayer *player) { thePlayer = player; }

PageSoundPlayer *pageSoundPlayer() { return thePlayer; }

} // namespace GUI
