#pragma once
// Told when a drop-down list's choice changes, and when it opens and closes.

namespace GUI {

class DropDown;

class DropDownListener {
public:
  virtual ~DropDownListener() = default;
  virtual void changed(DropDown *) {}
  virtual void opened(DropDown *) {}
  virtual void closed(DropDown *) {}
};

} // namespace GUI
