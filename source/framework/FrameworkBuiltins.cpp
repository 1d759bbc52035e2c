#include "framework/FrameworkBuiltins.h"

#include "quip/Builtin.h"
#include "shape/ShapeManager.h"

namespace {

struct Binding {
  const wchar_t *name;
  quip::Builtin function;
};

// The engine builtins by script name. The families join this table as the
// parts of the engine they reach are built.
const Binding g_bindings[] = {
    {L"defineShape", shape::builtin_defineShape},
    {nullptr, nullptr},
};

} // namespace

void registerFrameworkBuiltins(quip::Dictionary &dictionary, bool remove) {
  for (const Binding &binding : g_bindings) {
    if (!binding.name)
      continue;
    if (remove)
      quip::unregisterBuiltin(dictionary, binding.name);
    else
      quip::registerBuiltin(dictionary, binding.name, binding.function);
  }
}
