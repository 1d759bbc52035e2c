#include "gui/PageLevelFailed.h"

#include "engine/Engine.h"
#include "gui/StandInText.h"

namespace GUI {

PageLevelFailed::PageLevelFailed() {
  setName(Symbol::intern(L"levelFailed"));
  setLayerName(Symbol::intern(L"foregroundMenu"));
}

void PageLevelFailed::draw(video::Canvas &canvas) {
  static const container::Vector<String> lines = [] {
    container::Vector<String> text;
    text.push(String(L"Level failed"));
    text.push(String(L"Tap to try again"));
    return text;
  }();
  drawStandInLines(canvas, lines);
}

bool PageLevelFailed::onPointerDown(const framework::InputEvent &event) {
  (void)event;
  if (state() != ACTIVE)
    return true;
  exit();
  if (Engine *engine = Engine::instance())
    engine->restartLevel();
  return true;
}

} // namespace GUI
