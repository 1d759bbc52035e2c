#pragma once
// A stand-in for the level-complete pages until they are built: the level's
// score, time bonus, ball bonus and total, and a tap that starts the next
// level.

#include "container/Vector.h"
#include "gui/Page.h"
#include "xstring/String.h"

namespace GUI {

class PageLevelTotals : public Page {
public:
  PageLevelTotals();

  // The totals of the engine's level, read once on entry.
  void afterEnter() override;
  void draw(video::Canvas &canvas) override;
  // The next level of the catalogue (or this one, after the last) is played.
  bool onPointerDown(const framework::InputEvent &event) override;

  const container::Vector<String> &lines() const { return m_lines; }

private:
  container::Vector<String> m_lines;
};

} // namespace GUI
