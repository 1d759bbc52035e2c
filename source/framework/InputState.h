#pragma once
// The input state: the records queued since the last frame (the framework's
// update hands them to the layers and deletes them), the keys and buttons
// held, the pointer position and the modifier mask. The event translator
// feeds it with positions already turned into screen coordinates.

#include "container/Vector.h"
#include "input/InputEvent.h"
#include "input/Key.h"
#include "input/Pointer.h"

namespace framework {

class InputState {
public:
  static InputState &instance();
  static void destroyInstance();

  // Records in arrival order; the queue owns them.
  container::Vector<InputEvent *> &queue() { return m_queue; }
  void enqueue(InputEvent *event) { m_queue.push(event); }
  // Deletes every queued record; the storage stays for the next frame.
  void clearQueue();

  // SDL_EnableUNICODE, key repeat after 100 ms every 100 ms; enables input.
  void enableKeyboard();
  bool enabled() const { return m_enabled != 0; }
  void setEnabled(bool enabled) { m_enabled = enabled ? 1 : 0; }

  bool isKeyDown(int32_t key) const;
  uint32_t modifiers() const { return m_modifiers; }
  uint32_t buttons() const { return m_buttons; }
  const math::Vector2i &pointerPosition() const { return framework::pointerPosition(); }

  // SDL_WM_GrabInput, only when the mode changes.
  void setInputGrabbed(int mode);
  int grabMode() const { return m_grabMode; }
  // Moves the pointer to a screen position (the shell maps it to the device).
  void warpPointer(const math::Vector2i &screenPosition);

  // The engine's key for an SDL key code; KEY_UNKNOWN for a code it drops.
  Key mapKey(int sdlKey) const;
  // The bit of an SDL mouse button (1 to 5); 0 for others.
  static uint32_t buttonBit(int sdlButton);

  // What the translator hands on. Times are the framework's total time.
  void keyDown(int sdlKey, uint32_t unicode);
  void keyUp(int sdlKey);
  void pointerMoved(const math::Vector2i &position, const math::Vector2i &motion, uint32_t device);
  void buttonPressed(const math::Vector2i &position, int sdlButton, uint32_t device, float time);
  void buttonReleased(const math::Vector2i &position, int sdlButton, uint32_t device, float time);

private:
  InputState();
  ~InputState();

  struct Click {
    float time = 0.0f;
    uint32_t device = 0;
    uint32_t button = 0;
  };
  // 2 for the second left click within 0.3 s on the same device, else 1.
  static uint32_t countClicks(Click &previous, uint32_t button, uint32_t device, float time);
  InputEvent *buttonRecord(uint32_t kind, const math::Vector2i &position, uint32_t button,
                           uint32_t clicks, uint32_t device);

  container::Vector<InputEvent *> m_queue;
  uint32_t m_buttons = 0;
  uint8_t m_keys[KEY_COUNT] = {};
  uint8_t m_grabMode = 0;
  uint8_t m_enabled = 0;
  uint32_t m_modifiers = 0;
  int32_t m_keyMap[KEY_COUNT];
  Click m_lastPress;
  Click m_lastRelease;
};

} // namespace framework
