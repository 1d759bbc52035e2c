#include "gui/WidgetRegistry.h"

#include "gui/DictionaryRead.h"
#include "gui/Widget.h"
#include "xstring/String.h"

namespace GUI {

namespace {
WidgetRegistry *theRegistry = nullptr;
}

WidgetRegistry *WidgetRegistry::instance() {
  if (!theRegistry)
    theRegistry = new WidgetRegistry;
  return theRegistry;
}

void WidgetRegistry::destroyInstance() {
  delete theRegistry;
  theRegistry = nullptr;
}

Symbol WidgetRegistry::registerWidget(Widget *widget) {
  String text(L"#widget-");
  text += String::toString(m_counter++);
  text += L'#';
  Symbol name = Symbol::intern(text);
  m_widgets.put(name, widget);
  return name;
}

Widget *WidgetRegistry::take(Symbol name) {
  Widget *widget = m_widgets.get(name);
  if (widget)
    m_widgets.remove(name);
  return widget;
}

void WidgetRegistry::clear() {
  container::Vector<Widget *> widgets;
  m_widgets.forEach([&](const Symbol &, Widget *const &w) { widgets.push(w); });
  m_widgets.clear();
  for (uint32_t i = 0; i < widgets.size(); ++i)
    delete widgets[i];
}

Widget *takeNamedWidget(const quip::Dictionary &d, Symbol key) {
  const quip::Token *name = typedValue(d, key, quip::TYPE_SYMBOL);
  return name ? WidgetRegistry::instance()->take(name->symbol()) : nullptr;
}

} // namespace GUI
