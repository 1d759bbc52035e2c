#pragma once
// The game's pages as the core tells them to enter and exit, by name. A
// page that does not exist takes nothing and counts as not shown.

#include "xstring/Symbol.h"

namespace GUI {
class Page;
}

GUI::Page *findPage(Symbol name);
void enterPage(Symbol name);
void exitPage(Symbol name);
// The page is entering or active.
bool pageShown(Symbol name);
