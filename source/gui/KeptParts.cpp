#include "gui/KeptParts.h"

#include "error/Log.h"
#include "gui/Widget.h"

namespace GUI {

quip::Dictionary keptParts(const quip::Dictionary &d, const Widget &widget) {
  if (!d.lookup(SYM(L"children")))
    return d;
  logLine(String(L"Widget ") + widget.name().text() +
          L": \"children\" ignored, its parts are its own");
  quip::Dictionary copy;
  copy.merge(d);
  copy.remove(SYM(L"children"));
  return copy;
}

} // namespace GUI
