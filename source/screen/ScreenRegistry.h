#pragma once
// The screens by name, the factories that build them from script
// dictionaries, the current screen and the listeners told of every switch.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "quip/Array.h"
#include "quip/Dictionary.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace quip {
class ScriptManager;
}

namespace screen {

class Screen;

class ScreenListener {
public:
  virtual ~ScreenListener() = default;
  // Before a switch: the screen being left and the name of the next one.
  virtual void screenLeaving(Screen *leaving, Symbol next) {
    (void)leaving;
    (void)next;
  }
  // After it: the new current screen and the name of the one left (the
  // empty symbol when there was none).
  virtual void screenEntered(Screen *current, Symbol previous) {
    (void)current;
    (void)previous;
  }
};

class ScreenRegistry {
public:
  using Factory = Screen *(*)(const quip::Dictionary &dictionary);

  // Where each entered screen is logged (event, data).
  using EventLog = void (*)(const String &event, const String &data);

  static ScreenRegistry &instance();
  static void destroyInstance();

  // What screens run their scripts with and log to; the framework hands both
  // in and they outlast the registry. Without a script manager no screen
  // loads or runs scripts; without a log entries go unlogged.
  static void setServices(quip::ScriptManager *scripts, EventLog log);
  static quip::ScriptManager *scriptManager();
  static EventLog eventLog();

  ScreenRegistry(const ScreenRegistry &) = delete;
  ScreenRegistry &operator=(const ScreenRegistry &) = delete;

  // Adds or replaces the factory under the name.
  void registerFactory(Symbol name, Factory factory);
  // Stores the screen under its name; the registry owns it. A screen of the
  // same name that is not current is deleted.
  void addScreen(Screen *screen);
  bool hasScreen(Symbol name) const { return m_screens.contains(name); }
  Screen *getScreen(Symbol name) const { return m_screens.get(name); }
  // The factory named by "name" builds the screen; null, with a log line,
  // when there is no such factory or it builds nothing.
  Screen *createScreen(const quip::Dictionary &dictionary);
  // Clears the registry, runs the code and makes a screen of every
  // dictionary it leaves, in order.
  void loadScreens(const quip::Array &code);
  // Deletes every screen; no screen is current after it.
  void clear();

  // Leaves the current screen and enters the named one, telling the
  // listeners. Nothing for the current screen's own name; a name with no
  // screen is refused with a log line and changes nothing. True on a switch.
  bool switchScreen(Symbol name);
  // Makes the named screen current without leaving, entering or telling
  // anyone; no screen is current, and the answer is false, for a name that
  // has none.
  bool setCurrentByName(Symbol name);
  Screen *currentScreen() const { return m_current; }
  Symbol currentScreenName() const;
  String currentScreenNameText() const { return currentScreenName().toString(); }

  void addListener(ScreenListener *listener) { m_listeners.push(listener); }
  // Later listeners move up one place.
  void removeListener(ScreenListener *listener);

  // The current screen's update.
  void update(float dt);

private:
  ScreenRegistry() = default;
  ~ScreenRegistry();

  container::HashTable<Symbol, Screen *> m_screens;
  container::HashTable<Symbol, Factory> m_factories;
  Screen *m_current = nullptr;
  container::Vector<ScreenListener *> m_listeners;
};

} // namespace screen
