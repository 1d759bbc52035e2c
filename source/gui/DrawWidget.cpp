#include "gui/DrawWidget.h"

#include "gui/DictionaryRead.h"
#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"

namespace GUI {

void DrawWidget::load(const quip::Dictionary &d) {
  Widget::load(d);
  readCode(d, SYM(L"onDraw"), m_onDraw);
}

void DrawWidget::draw(video::Canvas &) {
  if (m_onDraw.count() == 0)
    return;
  if (quip::Interpreter *script = spawnScript(m_onDraw))
    script->scriptManager()->finish(script);
}

} // namespace GUI
