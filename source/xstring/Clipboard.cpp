#include "xstring/Clipboard.h"

namespace xstring {

namespace {
ClipboardService theService;
}

bool clipboardText(String &text) { return theService.read && theService.read(text); }

void setClipboardText(const String &text) {
  if (theService.write)
    theService.write(text);
}

void installClipboard(const ClipboardService &service) { theService = service; }

} // namespace xstring
