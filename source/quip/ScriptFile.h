#pragma once
// A script's procedure from its file: the compiled value file beside it
// (path + ".bin") when that is at least as new as the source, else the
// translated source.

#include "quip/Token.h"

namespace quip {

// A literal array of tokens; empty when nothing could be loaded.
Array loadScript(const String &path);

} // namespace quip
