#include "framework/InputState.h"

#include "framework/Shell.h"

#include <SDL.h>

namespace framework {

namespace {
InputState *theInputState = nullptr;

// Presses closer together than this on the left button make a double click.
const float doubleClickSeconds = 0.3f;
} // namespace

InputState &InputState::instance() {
  if (!theInputState)
    theInputState = new InputState;
  return *theInputState;
}

void InputState::destroyInstance() {
  delete theInputState;
  theInputState = nullptr;
}

InputState::InputState() {
  for (int code = 0; code < KEY_COUNT; ++code)
    m_keyMap[code] = KEY_UNKNOWN;
  // The SDL codes the engine takes as they are.
  static const struct {
    int from, to;
  } kept[] = {{8, 9},     {13, 13},   {19, 19},   {27, 27},   {32, 32},   {39, 39},
              {44, 44},   {46, 59},   {61, 61},   {64, 64},   {91, 93},   {96, 122},
              {127, 127}, {256, 268}, {270, 296}, {300, 308}, {317, 317}, {320, 320}};
  for (const auto &range : kept)
    for (int code = range.from; code <= range.to; ++code)
      m_keyMap[code] = code;
  // The main keyboard's minus reads as the key pad's; the key pad's own is dropped.
  m_keyMap[KEY_MINUS] = KEY_KP_MINUS;
}

InputState::~InputState() { clearQueue(); }

void InputState::clearQueue() {
  for (uint32_t i = 0; i < m_queue.size(); ++i)
    delete m_queue[i];
  m_queue.clear();
}

void InputState::enableKeyboard() {
  SDL_EnableUNICODE(1);
  SDL_EnableKeyRepeat(100, 100);
  m_enabled = 1;
}

bool InputState::isKeyDown(int32_t key) const {
  return key >= 0 && key < KEY_COUNT && m_keys[key] != 0;
}

void InputState::setInputGrabbed(int mode) {
  if (uint8_t(mode) == m_grabMode)
    return;
  m_grabMode = uint8_t(mode);
  SDL_WM_GrabInput(SDL_GrabMode(mode));
}

void InputState::warpPointer(const math::Vector2i &screenPosition) {
  math::Vector2i device = screenPosition;
  if (Shell *shell = Shell::instance())
    device = shell->screenToDevice(screenPosition);
  SDL_WarpMouse(Uint16(device.x), Uint16(device.y));
  setPointerPosition(screenPosition);
}

Key InputState::mapKey(int sdlKey) const {
  if (sdlKey < 0 || sdlKey >= KEY_COUNT)
    return KEY_UNKNOWN;
  return Key(m_keyMap[sdlKey]);
}

uint32_t InputState::buttonBit(int sdlButton) {
  switch (sdlButton) {
  case 1:
    return InputEvent::BUTTON_LEFT;
  case 2:
    return InputEvent::BUTTON_MIDDLE;
  case 3:
    return InputEvent::BUTTON_RIGHT;
  case 4:
    return InputEvent::BUTTON_WHEEL_UP;
  case 5:
    return InputEvent::BUTTON_WHEEL_DOWN;
  default:
    return 0;
  }
}

void InputState::keyDown(int sdlKey, uint32_t unicode) {
  Key key = mapKey(sdlKey);
  m_modifiers |= modifierOfKey(key);
  if (key != KEY_UNKNOWN) {
    m_keys[key] = 1;
    InputEvent *event = new InputEvent;
    event->kind = InputEvent::KEY_DOWN;
    event->key = key;
    event->modifiers = m_modifiers;
    enqueue(event);
  }
  if (unicode <= 322) {
    InputEvent *event = new InputEvent;
    event->kind = InputEvent::CHARACTER;
    event->position = pointerPosition();
    event->buttons = m_buttons;
    event->key = int32_t(unicode);
    enqueue(event);
  }
}

void InputState::keyUp(int sdlKey) {
  Key key = mapKey(sdlKey);
  m_modifiers &= ~modifierOfKey(key);
  if (key == KEY_UNKNOWN)
    return;
  m_keys[key] = 0;
  InputEvent *event = new InputEvent;
  event->kind = InputEvent::KEY_UP;
  event->key = key;
  event->modifiers = m_modifiers;
  enqueue(event);
}

void InputState::pointerMoved(const math::Vector2i &position, const math::Vector2i &motion,
                              uint32_t device) {
  InputEvent *event = new InputEvent;
  event->kind = InputEvent::POINTER_MOTION;
  event->position = position;
  event->motion = motion;
  event->modifiers = m_modifiers;
  event->buttons = m_buttons;
  event->clicks = 1;
  event->device = device;
  enqueue(event);
  setPointerPosition(position);
}

uint32_t InputState::countClicks(Click &previous, uint32_t button, uint32_t device, float time) {
  bool twice = device == previous.device && button == InputEvent::BUTTON_LEFT &&
               button == previous.button && time - previous.time < doubleClickSeconds;
  previous.time = time;
  previous.device = device;
  previous.button = button;
  return twice ? 2 : 1;
}

InputEvent *InputState::buttonRecord(uint32_t kind, const math::Vector2i &position, uint32_t button,
                                     uint32_t clicks, uint32_t device) {
  InputEvent *event = new InputEvent;
  event->kind = kind;
  event->position = position;
  event->button = button;
  event->buttons = m_buttons;
  event->modifiers = m_modifiers;
  event->clicks = clicks;
  event->device = device;
  return event;
}

void InputState::buttonPressed(const math::Vector2i &position, int sdlButton, uint32_t device,
                               float time) {
  uint32_t button = buttonBit(sdlButton);
  uint32_t clicks = countClicks(m_lastPress, button, device, time);
  m_buttons |=
      button & (InputEvent::BUTTON_LEFT | InputEvent::BUTTON_MIDDLE | InputEvent::BUTTON_RIGHT);
  enqueue(buttonRecord(InputEvent::BUTTON_DOWN, position, button, clicks, device));
}

void InputState::buttonReleased(const math::Vector2i &position, int sdlButton, uint32_t device,
                                float time) {
  uint32_t button = buttonBit(sdlButton);
  uint32_t clicks = countClicks(m_lastRelease, button, device, time);
  m_buttons &= ~button;
  enqueue(buttonRecord(InputEvent::BUTTON_UP, position, button, clicks, device));
}

} // namespace framework
