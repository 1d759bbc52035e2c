#pragma once
// The keyboard shortcut of a button: one key, its modifier set and the text
// that shows it. Left and right modifier keys count alike; Meta and the lock
// keys are ignored.

#include "xstring/String.h"

#include <cstdint>

namespace framework {
struct InputEvent;
}
namespace quip {
class Dictionary;
}

namespace GUI {

class Accelerator {
public:
  // Key 0, no modifiers and an empty text: the text is built on load.
  Accelerator() = default;
  Accelerator(uint32_t key, uint32_t modifiers);

  void load(const quip::Dictionary &d);
  bool matches(const framework::InputEvent &event) const;

  uint32_t key() const { return m_key; }
  uint32_t modifiers() const { return m_modifiers; }
  const String &text() const { return m_text; }

private:
  void buildText();

  uint32_t m_key = 0;
  uint32_t m_modifiers = 0;
  String m_text;
};

} // namespace GUI
