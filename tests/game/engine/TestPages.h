#pragma once
// A bare page of the given name, registered with the page factory (which
// owns it), for tests that watch what the game tells its pages.

#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "xstring/Symbol.h"

namespace gametest {

inline GUI::Page *addPage(const wchar_t *name, bool modal = false) {
  auto *page = new GUI::Page;
  page->setName(Symbol::intern(name));
  page->setModal(modal);
  GUI::PageFactory::instance()->addPage(page);
  return page;
}

} // namespace gametest
