#pragma once
// The text keys that widgets showing one formatted text share: "font" (in
// the current database), "scale" and "color".

#include "gui/DictionaryRead.h"
#include "text/TextFormat.h"

namespace GUI {

inline void readFontScaleColor(const quip::Dictionary &d, text::TextFormat &format) {
  if (const quip::Token *font = typedValue(d, SYM(L"font"), quip::TYPE_SYMBOL))
    format.setFont(font->symbol());
  readValue(d, SYM(L"scale"), format.scale);
  readValue(d, SYM(L"color"), format.color);
}

} // namespace GUI
