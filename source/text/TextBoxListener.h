#pragma once
// Told when a text box's text or cursor changed and when its text was
// entered.

namespace text {

class TextBox;

class TextBoxListener {
public:
  virtual ~TextBoxListener() = default;
  virtual void textChanged(TextBox *) {}
  virtual void textEntered(TextBox *) {}
};

} // namespace text
