#include "math/ColorScript.h"
#include "quip/Dictionary.h"
#include "quip/Token.h"
#include "text/TextBox.h"

namespace text {

namespace {

bool isTrue(const quip::Dictionary &d, Symbol key) {
  const quip::Token *value = d.lookup(key);
  return value && value->toBool();
}

} // namespace

void TextBox::load(const quip::Dictionary &d) {
  const quip::Token *value = d.lookup(SYM(L"font"));
  if (value && value->isSymbol())
    setFont(value->symbol());
  if ((value = d.lookup(SYM(L"scale"))))
    value->get(scale);
  if ((value = d.lookup(SYM(L"color"))))
    value->get(color);
  if ((value = d.lookup(SYM(L"showCursor"))))
    showCursor = value->toBool();
  if ((value = d.lookup(SYM(L"boxSize"))) && value->get(boxSize))
    boxPosition = boxSize * -0.5f;
  if ((value = d.lookup(SYM(L"boxPosition"))))
    value->get(boxPosition);
  if ((value = d.lookup(SYM(L"text"))) && value->isString())
    setText(value->string());
  if ((value = d.lookup(SYM(L"alignment"))))
    value->get(alignment);
  if ((value = d.lookup(SYM(L"maxChars"))))
    value->get(maxChars);
  if ((value = d.lookup(SYM(L"maxWidth"))))
    value->get(maxWidth);
  if ((value = d.lookup(SYM(L"maxLines"))))
    value->get(maxLines);
  if ((value = d.lookup(SYM(L"maxHeight"))))
    value->get(maxHeight);
  if ((value = d.lookup(SYM(L"filter"))) && value->isString())
    filter = value->string();
  if (isTrue(d, SYM(L"changed")))
    notifyChanged();
  if (isTrue(d, SYM(L"entered")))
    notifyEntered();
  if ((value = d.lookup(SYM(L"style"))) && value->isSymbol()) {
    static const Symbol names[] = {SYM(L"box"), SYM(L"underline"), SYM(L"none")};
    for (int i = 0; i < 3; ++i)
      if (value->symbol() == names[i])
        style = i;
  }
  if ((value = d.lookup(SYM(L"editable"))))
    editable = value->toBool();
  relayout();
  clampCursor();
}

} // namespace text
