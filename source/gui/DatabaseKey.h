#pragma once
// The "database" key of the widgets that show assets: a symbol naming a
// registered database.

#include "file/Database.h"
#include "gui/DictionaryRead.h"

namespace GUI {

// The database the key names; the current one without the key or for a
// name that is not registered.
inline Database *databaseOf(const quip::Dictionary &d) {
  Symbol name;
  readSymbol(d, SYM(L"database"), name);
  Database *named = name.isEmpty() ? nullptr : Database::find(name);
  return named ? named : Database::current();
}

} // namespace GUI
