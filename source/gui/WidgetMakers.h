#pragma once
// Makers of the widgets that pages built in code use most: each creates a
// widget of one kind with the usual settings, adds it to the parent and
// returns it. Fonts are named ("font", "fontSystem"); a missing font draws
// no text.

#include "math/Color.h"
#include "math/Vector2.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace quip {
class Dictionary;
}

namespace GUI {

class Box;
class CheckButton;
class GeneralButton;
class Image;
class Label;
class Popup;
class PushButton;
class ScrolledWindow;
class Spacer;
class TextEntry;
class Widget;

// A packing layout (4 or 5) on an axis gets spacing 10 on that axis.
Widget *addContainer(Widget *parent, uint32_t hLayout, uint32_t vLayout);
Widget *addContainer(Widget *parent, uint32_t hLayout, uint32_t vLayout, float hSpacing,
                     float vSpacing);
Widget *addPlainContainer(Widget *parent);
Box *addBox(Widget *parent, const math::Color &color);
// At the screen's centre with the screen's size.
Box *addScreenBox(Widget *parent, const math::Color &color);
// A box holding a frame of its size; pressed swaps the frame's light and
// dark colours. Not added to any parent.
Box *addBorderedBox(float x, float y, float width, float height, const math::Color &color,
                    bool pressed = false);
// With a horizontal and a vertical slider, read from the dictionary.
ScrolledWindow *addScrolledWindow(Widget *parent, const quip::Dictionary &dictionary);
Spacer *addSpacer(Widget *parent, math::Vector2 size);
// A column with the title (when not empty) over a framed box; the box.
Box *addFramedBox(Widget *parent, const math::Color &frameColor, const String &title);
// A row of a label, a spacer and a text field; the field.
TextEntry *addLabeledField(Widget *parent, float x, float y, const String &text);
Popup *addPopup(Widget *parent, const String &title);
// Bordered boxes of 10 x 13 for the four faces.
void setPushButtonLooks(PushButton *button);

Label *addLabel(Widget *parent, float x, float y, Symbol font, const math::Color &color);
Label *addLabel(Widget *parent, float x, float y, Symbol font, const math::Color &color,
                const String &text);
// The label shows the number's decimal text, with thousands separators when
// asked.
void formatNumber(Label *label, float value, bool separators);
void formatNumber(Label *label, int value, bool separators);
Image *addImage(Widget *parent, float x, float y, Symbol billboard);
// A general button showing the text in "fontSystem", black.
GeneralButton *addTextButton(Widget *parent, float x, float y, const String &text);
// A check box of 12 x 12 with the "iconCheck" mark and, when the text is
// not empty, a label to its right; laid out at once, its measured
// rectangle its hit area.
CheckButton *addCheckBox(Widget *parent, float x, float y, const String &text);

} // namespace GUI
