#pragma once
// Widgets whose parts are made with them (a slider's handle and arrows, a
// scrolled window's contents and sliders) keep those parts: a "children"
// key, which would delete them, is dropped from their dictionary and
// reported.

#include "quip/Dictionary.h"

namespace GUI {

class Widget;

// The dictionary itself when it has no "children".
quip::Dictionary keptParts(const quip::Dictionary &dictionary, const Widget &widget);

} // namespace GUI
