#include "screen/ScreenRegistry.h"

#include "error/Log.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"
#include "screen/Screen.h"

namespace screen {

namespace {
ScreenRegistry *theRegistry = nullptr;
quip::ScriptManager *g_scripts = nullptr;
ScreenRegistry::EventLog g_log = nullptr;
} // namespace

void ScreenRegistry::setServices(quip::ScriptManager *scripts, EventLog log) {
  g_scripts = scripts;
  g_log = log;
}
quip::ScriptManager *ScreenRegistry::scriptManager() { return g_scripts; }
ScreenRegistry::EventLog ScreenRegistry::eventLog() { return g_log; }

ScreenRegistry &ScreenRegistry::instance() {
  if (!theRegistry)
    theRegistry = new ScreenRegistry;
  return *theRegistry;
}

void ScreenRegistry::destroyInstance() {
  delete theRegistry;
  theRegistry = nullptr;
}

ScreenRegistry::~ScreenRegistry() { clear(); }

void ScreenRegistry::registerFactory(Symbol name, Factory factory) {
  m_factories.put(name, factory);
}

void ScreenRegistry::addScreen(Screen *screen) {
  if (!screen)
    return;
  Screen *old = m_screens.get(screen->name());
  m_screens.put(screen->name(), screen);
  if (old && old != screen) {
    if (old == m_current)
      m_current = screen;
    delete old;
  }
}

Screen *ScreenRegistry::createScreen(const quip::Dictionary &dictionary) {
  Symbol name;
  if (const quip::Token *token = dictionary.lookup(SYM(L"name")))
    if (token->isSymbol())
      name = token->symbol();
  Factory *factory = m_factories.lookup(name);
  if (!factory || !*factory) {
    logLine(String(L"No screen factory named ") + name.text());
    return nullptr;
  }
  Screen *screen = (*factory)(dictionary);
  if (!screen) {
    logLine(String(L"Screen factory ") + name.text() + L" made no screen");
    return nullptr;
  }
  addScreen(screen);
  return screen;
}

void ScreenRegistry::loadScreens(const quip::Array &code) {
  clear();
  if (!g_scripts)
    return;
  quip::ScriptManager &scripts = *g_scripts;
  quip::Interpreter *interpreter = scripts.spawn(code);
  if (!interpreter)
    return;
  interpreter->runToCompletion();
  // The values are copied out before the interpreter goes.
  container::Vector<quip::Dictionary> screens;
  const quip::Array &values = interpreter->operands();
  for (uint32_t i = 0; i < values.count(); ++i)
    if (values[i].isDictionary())
      screens.push(values[i].dictionary());
  scripts.finish(interpreter);
  for (uint32_t i = 0; i < screens.size(); ++i)
    createScreen(screens[i]);
}

void ScreenRegistry::clear() {
  m_screens.forEach([](const Symbol &, Screen *const &screen) { delete screen; });
  m_screens.clear();
  m_current = nullptr;
}

bool ScreenRegistry::switchScreen(Symbol name) {
  if (m_current && m_current->name() == name)
    return false;
  Screen *next = m_screens.get(name);
  if (!next) {
    logLine(String(L"No screen named ") + name.text() + L"; staying on " +
            currentScreenName().text());
    return false;
  }
  Symbol previous = Symbol::emptySymbol();
  if (m_current) {
    for (uint32_t i = 0; i < m_listeners.size(); ++i)
      m_listeners[i]->screenLeaving(m_current, name);
    previous = m_current->name();
    m_current->leave(name);
  }
  m_current = next;
  for (uint32_t i = 0; i < m_listeners.size(); ++i)
    m_listeners[i]->screenEntered(m_current, previous);
  m_current->enter(previous);
  return true;
}

bool ScreenRegistry::setCurrentByName(Symbol name) {
  m_current = m_screens.get(name);
  return m_current != nullptr;
}

Symbol ScreenRegistry::currentScreenName() const {
  return m_current ? m_current->name() : Symbol::emptySymbol();
}

void ScreenRegistry::removeListener(ScreenListener *listener) {
  int index = m_listeners.indexOf(listener);
  if (index >= 0)
    m_listeners.removeAt(uint32_t(index));
}

void ScreenRegistry::update(float dt) {
  if (m_current)
    m_current->update(dt);
}

} // namespace screen
