#include "engine/PageCalls.h"

#include "gui/Page.h"
#include "gui/PageFactory.h"

GUI::Page *findPage(Symbol name) { return GUI::PageFactory::page(name); }

void enterPage(Symbol name) {
  if (GUI::Page *page = findPage(name))
    page->enter();
}

void exitPage(Symbol name) {
  if (GUI::Page *page = findPage(name))
    page->exit();
}

bool pageShown(Symbol name) {
  const GUI::Page *page = findPage(name);
  return page && (page->state() == GUI::Page::ENTER || page->state() == GUI::Page::ACTIVE);
}
