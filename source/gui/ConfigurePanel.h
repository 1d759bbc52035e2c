#pragma once
// Panels that edit a number, a 2-D or 3-D vector or a rectangle: a row of a
// label and, per component (one to four), a text field with a scaler that
// drags its number up and down.

#include "math/Vector2.h"
#include "xstring/String.h"

namespace quip {
class Dictionary;
}

namespace GUI {

class Scaler;
class TextEntry;
class Widget;

struct ConfigurePanel {
  static constexpr int MAX_COMPONENTS = 4;
  Widget *container = nullptr;
  int count = 0;
  TextEntry *fields[MAX_COMPONENTS] = {};
  Scaler *scalers[MAX_COMPONENTS] = {};
};

// A one-line field of that size: the text starts at its left edge, 2 inside
// the box, and may grow to the box's width less 4.
void setTextFieldGeometry(TextEntry *field, math::Vector2 size);
// The row (not added anywhere) of a label of the text and count components
// (at most four).
void buildConfigureRows(ConfigurePanel &panel, const String &text, int count);
// The row built from a definition: "name", "tooltip", "init" and the
// per-component "names", "tooltips", "inits" (a component past a short
// array keeps the single value, or its default), "position", "text",
// "scale", "editable", "min", "max", "do" (the fields' code on entry) and
// "onDown" (the scalers').
void buildConfigureWidget(ConfigurePanel &panel, const quip::Dictionary &dictionary, int count);
void addConfigureWidget(ConfigurePanel &panel, Widget *parent, const quip::Dictionary &dictionary,
                        int count);
// A row of a label, a spacer and a text field 17 high; the field.
TextEntry *addTextFieldRow(Widget *parent, const String &text);

} // namespace GUI
