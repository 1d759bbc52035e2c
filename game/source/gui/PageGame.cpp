#include "gui/PageGame.h"

#include "gui/GameEngineWidget.h"

namespace GUI {

PageGame::PageGame() {
  static const Symbol name = Symbol::intern(L"game");
  static const Symbol layer = Symbol::intern(L"scene");
  setName(name);
  setLayerName(layer);
  addChild(new GameEngineWidget);
}

} // namespace GUI
