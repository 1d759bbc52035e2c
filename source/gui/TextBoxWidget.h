#pragma once
// A multi-line text box on a page: while it holds the page's keyboard focus
// it takes typed characters and keys; a press inside places its cursor and
// takes the focus. It runs "onChange" and "onEnter" to their end when its
// text box reports a change or an entry.

#include "gui/Widget.h"
#include "quip/Array.h"
#include "text/TextBox.h"
#include "text/TextBoxListener.h"

namespace GUI {

class TextBoxWidget : public Widget, public text::TextBoxListener {
public:
  TextBoxWidget();

  void update(float dt) override;
  void draw(video::Canvas &canvas) override;
  math::Rectangle localRectangle() const override { return m_textBox.rectangle(); }
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onCharacter(const framework::InputEvent &event) override;
  bool onKeyPress(const framework::InputEvent &event) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void textChanged(text::TextBox *) override { runScript(m_onChange); }
  void textEntered(text::TextBox *) override { runScript(m_onEnter); }

  text::TextBox &textBox() { return m_textBox; }
  const text::TextBox &textBox() const { return m_textBox; }

private:
  bool hasFocus() const;

  text::TextBox m_textBox;
  quip::Array m_onChange;
  quip::Array m_onEnter;
};

} // namespace GUI
