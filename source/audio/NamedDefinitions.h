#pragma once
// Music and soundscapes are both read from a script that answers an array of
// definition dictionaries, kept by name in an owning table.

#include "container/ListTable.h"
#include "quip/ScriptManager.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace audio {

template <typename T> void deleteDefinitions(container::ListTable<Symbol, T *> &table) {
  for (uint32_t i = 0; i < table.size(); ++i)
    delete table[i];
  table.clear();
}

// Replaces the table's contents with the definitions the script at path
// answers; false when it answers no array.
template <typename T>
bool loadDefinitions(container::ListTable<Symbol, T *> &table, const String &path,
                     quip::ScriptManager &scripts) {
  deleteDefinitions(table);
  quip::Token result = scripts.evaluateFile(path);
  if (!result.isArray())
    return false;
  const quip::Array &list = result.array();
  for (uint32_t i = 0; i < list.count(); ++i) {
    if (!list[i].isDictionary())
      continue;
    auto *definition = new T;
    definition->read(list[i].dictionary());
    // A later definition of a name replaces the earlier one.
    if (table.contains(definition->name()))
      delete table.removeOrdered(definition->name());
    table.add(definition->name(), definition);
  }
  return true;
}

} // namespace audio
