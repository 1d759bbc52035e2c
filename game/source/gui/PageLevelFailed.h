#pragma once
// A stand-in for the level-failed page until it is built: it says so, and a
// tap plays the level again.

#include "gui/Page.h"

namespace GUI {

class PageLevelFailed : public Page {
public:
  PageLevelFailed();

  void draw(video::Canvas &canvas) override;
  bool onPointerDown(const framework::InputEvent &event) override;
};

} // namespace GUI
