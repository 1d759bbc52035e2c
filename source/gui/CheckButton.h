#pragma once
// A push button with an on/off value, shown by an "on" icon, an optional
// "off" icon and an optional label drawn over its faces. The value is the
// on icon's visibility.

#include "gui/PushButton.h"
#include "quip/Array.h"

#include <memory>

namespace GUI {

class Label;

class CheckButton : public PushButton {
public:
  CheckButton();
  ~CheckButton() override;

  void render(video::Canvas &canvas) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  // Flips the value, runs onClickOn or onClickOff, then the button's click.
  void click() override;

  bool isChecked() const;
  void setChecked(bool on);
  // Each owned, replacing (and deleting) the previous one. The new on icon
  // keeps the value; the new off icon shows when the button is off.
  void setIcon(Widget *icon);
  void setIconOff(Widget *icon);
  void setLabel(Label *label);
  Widget *icon() const { return m_icon.get(); }
  Widget *iconOff() const { return m_iconOff.get(); }
  Label *label() const;
  void setOnClickOn(const quip::Array &code) { m_onClickOn = code; }
  void setOnClickOff(const quip::Array &code) { m_onClickOff = code; }

private:
  std::unique_ptr<Widget> m_icon;
  std::unique_ptr<Widget> m_iconOff;
  std::unique_ptr<Widget> m_label;
  quip::Array m_onClickOn;
  quip::Array m_onClickOff;
};

} // namespace GUI
