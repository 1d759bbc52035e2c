#pragma once
// Keeps one soundscape as the one to hear: every frame each other active
// soundscape is told to fade out. It starts none itself; without a name
// it selects silence.

#include "gui/Widget.h"
#include "xstring/Symbol.h"

namespace GUI {

class SoundscapeWidget : public Widget {
public:
  void update(float dt) override;
  // "name".
  void load(const quip::Dictionary &dictionary) override;

  Symbol soundscape() const { return m_name; }
  void setSoundscape(Symbol name) { m_name = name; }

private:
  Symbol m_name;
};

} // namespace GUI
