#include "animation/AnimationTable.h"

#include "animation/AnimationDefinition.h"
#include "quip/Token.h"

namespace animation {

bool loadAnimationTable(const quip::Dictionary &dictionary, AnimationTable &table) {
  quip::Array keys = dictionary.keys();
  bool ok = true;
  for (uint32_t i = 0; i < keys.count(); ++i) {
    Symbol name = keys[i].symbol();
    const quip::Token *value = dictionary.lookup(name);
    if (!value || !value->isDictionary()) {
      ok = false;
      continue;
    }
    auto *definition = new AnimationDefinition;
    if (!definition->load(value->dictionary()))
      ok = false;
    if (AnimationDefinition **old = table.lookup(name)) {
      delete *old;
      *old = definition;
    } else {
      table.put(name, definition);
    }
  }
  return ok;
}

void clearAnimationTable(AnimationTable &table) { table.deleteValues(); }

} // namespace animation
