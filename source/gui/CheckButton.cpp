#include "gui/CheckButton.h"

#include "gui/DictionaryRead.h"
#include "gui/Label.h"
#include "gui/WidgetRegistry.h"

namespace GUI {

CheckButton::CheckButton() : m_onClickOn(0), m_onClickOff(0) {}

CheckButton::~CheckButton() = default;

Label *CheckButton::label() const { return static_cast<Label *>(m_label.get()); }

bool CheckButton::isChecked() const { return m_icon && m_icon->visible(); }

void CheckButton::setChecked(bool on) {
  if (m_icon)
    m_icon->setVisible(on);
  if (m_iconOff)
    m_iconOff->setVisible(!on);
}

void CheckButton::setIcon(Widget *icon) {
  bool on = !m_icon || m_icon->visible();
  m_icon.reset(icon);
  if (icon) {
    adopt(icon);
    icon->setVisible(on);
  }
}

void CheckButton::setIconOff(Widget *icon) {
  bool off = !isChecked();
  m_iconOff.reset(icon);
  if (icon) {
    adopt(icon);
    icon->setVisible(off);
  }
}

void CheckButton::setLabel(Label *label) {
  m_label.reset(label);
  if (label)
    adopt(label);
}

void CheckButton::click() {
  if (dimmed())
    return;
  setChecked(!isChecked());
  if (isChecked())
    runHandler(SYM(L"onClickOn"), m_onClickOn);
  else
    runHandler(SYM(L"onClickOff"), m_onClickOff);
  PushButton::click();
}

// The icons and the label are drawn over the faces, in the button's own
// coordinates.
void CheckButton::render(video::Canvas &canvas) {
  PushButton::render(canvas);
  if (!shouldRender())
    return;
  bool animated = false;
  beginRender(canvas, animated);
  for (Widget *part : {m_iconOff.get(), m_icon.get(), m_label.get()})
    if (part)
      part->render(canvas);
  endRender(canvas, animated);
}

void CheckButton::load(const quip::Dictionary &d) {
  PushButton::load(d);
  if (Widget *icon = takeNamedWidget(d, SYM(L"icon")))
    setIcon(icon);
  if (Widget *icon = takeNamedWidget(d, SYM(L"iconOff")))
    setIconOff(icon);
  if (Widget *named = takeNamedWidget(d, SYM(L"label"))) {
    // A widget of another kind gives no label.
    auto *label = dynamic_cast<Label *>(named);
    if (!label)
      delete named;
    setLabel(label);
  }
  readCode(d, SYM(L"onClickOn"), m_onClickOn);
  readCode(d, SYM(L"onClickOff"), m_onClickOff);
  if (const quip::Token *on = d.lookup(SYM(L"on")))
    setChecked(on->toBool());
}

void CheckButton::write(quip::Dictionary &d) const {
  PushButton::write(d);
  d.set(SYM(L"on"), quip::Token(isChecked() ? quip::trueSymbol() : quip::falseSymbol(), false));
}

} // namespace GUI
