#pragma once
// The page where play is drawn, on the layer "scene": one game engine widget,
// through which the current game engine is updated, drawn and fed input.

#include "gui/Page.h"

namespace GUI {

class PageGame : public Page {
public:
  PageGame();
};

} // namespace GUI
