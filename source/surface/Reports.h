#pragma once
// How rendering's loaders report: warnings with their source place, and
// errors. One header, so that the channel is named in one place.

#include "error/AssertHandler.h"
#include "error/Report.h"

#define RENDER_WARNING(function, text)                                                             \
  framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, function, text)

inline void renderError(const String &text) { framework::reportError(text); }
