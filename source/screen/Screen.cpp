#include "screen/Screen.h"

#include "error/Log.h"
#include "gui/PageFactory.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"
#include "screen/ScreenRegistry.h"

namespace screen {

namespace {
void addNames(const quip::Dictionary &dictionary, Symbol key,
              container::HashTable<Symbol, bool> &names) {
  const quip::Token *list = dictionary.lookup(key);
  if (!list || !list->isArray())
    return;
  const quip::Array &array = list->array();
  for (uint32_t i = 0; i < array.count(); ++i)
    if (array[i].isSymbol())
      names.put(array[i].symbol(), true);
}
} // namespace

void Screen::load(const quip::Dictionary &dictionary) {
  if (const quip::Token *name = dictionary.lookup(SYM(L"name")))
    if (name->isSymbol())
      m_name = name->symbol();
  addNames(dictionary, SYM(L"allowPages"), m_allowedPages);
  addNames(dictionary, SYM(L"openPages"), m_openPages);
  if (const quip::Token *scripts = dictionary.lookup(SYM(L"scripts")))
    if (scripts->isDictionary())
      m_scripts = scripts->dictionary();
}

void Screen::enterPages(Symbol) {
  GUI::PageFactory *pages = GUI::PageFactory::instance();
  container::Vector<Symbol> closing;
  const container::Vector<Symbol> &registered = pages->pageNames();
  for (uint32_t i = 0; i < registered.size(); ++i)
    if (!m_openPages.contains(registered[i]) && !m_allowedPages.contains(registered[i]))
      closing.push(registered[i]);
  pages->exitPages(closing);

  container::Vector<Symbol> opening;
  m_openPages.forEach([&](const Symbol &page, const bool &) {
    // A page nobody registered cannot open; say so and go on with the rest.
    if (pages->contains(page))
      opening.push(page);
    else
      logLine(String(L"Screen ") + m_name.text() + L" opens unknown page " + page.text());
  });
  pages->enterPages(opening);
}

void Screen::enter(Symbol previous) {
  m_time = 0.0f;
  enterPages(previous);
  if (ScreenRegistry::EventLog log = ScreenRegistry::eventLog())
    log(String(L"Enter screen"), m_name.toString());
}

bool Screen::runScript(Symbol scriptName, const quip::Dictionary &argument) {
  const quip::Token *procedure = m_scripts.lookup(scriptName);
  quip::ScriptManager *scripts = ScreenRegistry::scriptManager();
  if (!procedure || !procedure->isArray() || !scripts) {
    logLine(String(L"Screen ") + m_name.text() + L" does not have script named " +
            scriptName.text());
    return false;
  }
  quip::Interpreter *interpreter = scripts->spawn(scriptName, *procedure);
  if (!interpreter)
    return false;
  interpreter->push(quip::Token(argument));
  return true;
}

} // namespace screen
