#pragma once
// The system clipboard. This platform has none: reading answers false and
// writing is dropped. A build with a real clipboard installs its two calls.

#include "xstring/String.h"

namespace xstring {

// False, text unchanged, when the clipboard yields nothing.
bool clipboardText(String &text);
void setClipboardText(const String &text);

struct ClipboardService {
  bool (*read)(String &text) = nullptr;
  void (*write)(const String &text) = nullptr;
};
// A service with null calls restores the empty clipboard.
void installClipboard(const ClipboardService &service);

} // namespace xstring
