#include "quip/InlineBuiltins.h"

namespace quip {

namespace {
// Indexed by op; filled once at start-up, before any script runs.
Builtin g_inlineBuiltins[INLINE_COUNT] = {};
} // namespace

void setInlineBuiltin(InlineOp op, Builtin function) {
  if (op > INLINE_NONE && op < INLINE_COUNT)
    g_inlineBuiltins[op] = function;
}

InlineOp inlineOpOf(Builtin function) {
  if (!function)
    return INLINE_NONE;
  for (int op = INLINE_NONE + 1; op < INLINE_COUNT; ++op)
    if (g_inlineBuiltins[op] == function)
      return InlineOp(op);
  return INLINE_NONE;
}

} // namespace quip
