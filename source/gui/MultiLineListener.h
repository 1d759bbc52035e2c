#pragma once
// Told whenever a multi-line list's selection is set, changed or not.

namespace GUI {

class MultiLine;

class MultiLineListener {
public:
  virtual ~MultiLineListener() = default;
  virtual void selectionChanged(MultiLine *) {}
};

} // namespace GUI
