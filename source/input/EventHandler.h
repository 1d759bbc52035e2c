#pragma once
// Anything that takes input records: layers, widgets, the game engine and the
// framework itself.

namespace framework {

struct InputEvent;

class EventHandler {
public:
  virtual ~EventHandler() = default;
  // True when the record is consumed and goes no further.
  virtual bool handleEvent(const InputEvent &event) {
    (void)event;
    return false;
  }
};

} // namespace framework
