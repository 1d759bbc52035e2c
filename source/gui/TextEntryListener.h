#pragma once
// Told when a text entry's text was entered (Return) or changed.

namespace GUI {

class TextEntry;

class TextEntryListener {
public:
  virtual ~TextEntryListener() = default;
  virtual void entered(TextEntry *) {}
  virtual void changed(TextEntry *) {}
};

} // namespace GUI
