#pragma once
// Widgets that scripts built, by the names handed back to the scripts, until
// a parent (or the page factory) takes them.

#include "container/HashTable.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace quip {
class Dictionary;
}

namespace GUI {

class Widget;

class WidgetRegistry {
public:
  static WidgetRegistry *instance();
  static void destroyInstance();

  WidgetRegistry(const WidgetRegistry &) = delete;
  WidgetRegistry &operator=(const WidgetRegistry &) = delete;
  ~WidgetRegistry() { clear(); }

  // "#widget-" + the counter + "#"; the counter never goes back.
  Symbol registerWidget(Widget *widget);
  bool contains(Symbol name) const { return m_widgets.contains(name); }
  // The widget, removed from the table; null when absent.
  Widget *take(Symbol name);
  // Deletes every widget still registered.
  void clear();
  uint32_t size() const { return m_widgets.count(); }

private:
  WidgetRegistry() = default;

  container::HashTable<Symbol, Widget *> m_widgets;
  uint32_t m_counter = 0;
};

// The registered widget that a symbol key names, taken out of the registry;
// null when the key is absent, not a symbol or names none.
Widget *takeNamedWidget(const quip::Dictionary &dictionary, Symbol key);

} // namespace GUI
