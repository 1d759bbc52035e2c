#include "screen/FixedScreen.h"

namespace screen {

FixedScreen::FixedScreen(const wchar_t *name, std::initializer_list<const wchar_t *> openPages,
                         std::initializer_list<const wchar_t *> allowPages) {
  m_name = Symbol::intern(name);
  for (const wchar_t *page : openPages)
    m_openPages.put(Symbol::intern(page), true);
  for (const wchar_t *page : allowPages)
    m_allowedPages.put(Symbol::intern(page), true);
}

} // namespace screen
