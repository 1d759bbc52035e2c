#include "gui/DropWidget.h"

#include "error/Report.h"
#include "file/Database.h"
#include "gui/DictionaryRead.h"
#include "particle/Drop.h"
#include "particle/DropDefinition.h"
#include "particle/DropFactory.h"

namespace GUI {

DropWidget::~DropWidget() { delete m_drop; }

void DropWidget::setDrop(Drop *drop) {
  if (drop == m_drop)
    return;
  delete m_drop;
  m_drop = drop;
}

void DropWidget::update(float dt) {
  Widget::update(dt);
  if (m_drop)
    m_drop->update(dt);
}

void DropWidget::draw(video::Canvas &canvas) {
  if (m_drop)
    m_drop->render(canvas);
}

void DropWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  Symbol name;
  readSymbol(d, SYM(L"drop"), name);
  if (name.isEmpty())
    return;
  Database *database = Database::current();
  DropFactory *factory = database ? DropFactory::of(*database) : nullptr;
  DropDefinition *definition = factory ? factory->find(name) : nullptr;
  if (!definition) {
    framework::reportWarning(__FILE__, __LINE__, __func__,
                             String(L"Drop widget: no drop ") + name.text());
    return;
  }
  setDrop(definition->instantiate(math::Vector2(0.0f, 0.0f)));
}

} // namespace GUI
