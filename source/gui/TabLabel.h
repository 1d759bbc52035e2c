#pragma once
// One tab's label in a tab control's row: its text, centred on the tab, and
// whether the tab shows. Not a widget: the label box places and draws it.

#include "math/Spatial2D.h"
#include "quip/Dictionary.h"
#include "xstring/String.h"

namespace video {
class Canvas;
}

namespace GUI {

class TabLabel : public math::Spatial2D {
public:
  virtual void update() {}
  // The text in the font "fontSystem", centred on the label's position;
  // nothing when hidden, without text or without that font.
  virtual void render(video::Canvas &canvas, bool hover, bool selected);
  // "text" and "visible"; an absent key keeps its value.
  virtual void load(const quip::Dictionary &dictionary);

  String text;
  bool visible = true;
};

} // namespace GUI
