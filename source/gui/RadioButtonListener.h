#pragma once
// Told when a radio button of a group has been clicked.

namespace GUI {

class RadioButton;

class RadioButtonListener {
public:
  virtual ~RadioButtonListener() = default;
  virtual void selectionChanged(RadioButton *) {}
};

} // namespace GUI
