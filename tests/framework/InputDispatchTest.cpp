#include "framework/ShellTestSupport.h"
#include "input/Key.h"

#include <gtest/gtest.h>

#include <vector>

using namespace framework;
using namespace shelltest;

namespace {

struct Expected {
  uint32_t kind;
  int32_t key;
  uint32_t modifiers;
};

void expectRecords(Scene &scene, const std::vector<Expected> &expected) {
  container::Vector<InputEvent *> &queue = scene.queue();
  ASSERT_EQ(queue.size(), expected.size());
  for (uint32_t i = 0; i < queue.size(); ++i) {
    EXPECT_EQ(queue[i]->kind, expected[i].kind) << i;
    EXPECT_EQ(queue[i]->key, expected[i].key) << i;
    EXPECT_EQ(queue[i]->modifiers, expected[i].modifiers) << i;
  }
}

} // namespace

TEST(InputDispatch, KeysBecomeRecordsWithTheirModifiers) {
  Scene scene;
  push(keyEvent(true, SDLK_LSHIFT));
  push(keyEvent(true, SDLK_PAGEUP));
  push(keyEvent(true, SDLK_a, 'A'));
  push(keyEvent(false, SDLK_LSHIFT));
  push(keyEvent(false, SDLK_a));
  pump();
  const uint32_t D = InputEvent::KEY_DOWN, U = InputEvent::KEY_UP, C = InputEvent::CHARACTER;
  expectRecords(scene, {{D, KEY_LEFT_SHIFT, 1},
                        {C, 0, 0},
                        {D, KEY_PAGE_UP, 1},
                        {C, 0, 0},
                        {D, 'a', 1},
                        {C, 'A', 0},
                        {U, KEY_LEFT_SHIFT, 0},
                        {U, 'a', 0}});
  EXPECT_EQ(narrow(keyName(scene.queue()[2]->key).toString()), "Page Up");
  InputState &input = InputState::instance();
  EXPECT_TRUE(input.isKeyDown(KEY_PAGE_UP));
  EXPECT_FALSE(input.isKeyDown('a'));
  EXPECT_EQ(input.modifiers(), 0u);
}

TEST(InputDispatch, KeysTheMapChangesOrDrops) {
  Scene scene;
  const uint32_t D = InputEvent::KEY_DOWN, C = InputEvent::CHARACTER;
  // The main minus reads as the key pad's; the key pad's own, the meta keys
  // and "Mode" give no key record and set no modifier.
  push(keyEvent(true, SDLK_MINUS, '-'));
  push(keyEvent(true, SDLK_KP_MINUS, '-'));
  push(keyEvent(true, SDLK_RMETA));
  push(keyEvent(true, SDLK_MODE));
  // Characters above 322 are not passed on.
  push(keyEvent(true, SDLK_e, 0x20ac));
  pump();
  expectRecords(
      scene, {{D, KEY_KP_MINUS, 0}, {C, '-', 0}, {C, '-', 0}, {C, 0, 0}, {C, 0, 0}, {D, 'e', 0}});
  EXPECT_TRUE(InputState::instance().isKeyDown(KEY_KP_MINUS));
  EXPECT_FALSE(InputState::instance().isKeyDown(KEY_MINUS));
}

TEST(InputDispatch, DoubleClicks) {
  struct Step {
    bool down;
    Uint8 button;
    Uint8 device;
    float gapBefore;
    uint32_t clicks;
  };
  const struct {
    const char *name;
    std::vector<Step> steps;
  } cases[] = {
      {"two left presses 0.29 s apart", {{true, 1, 0, 0.0f, 1}, {true, 1, 0, 0.29f, 2}}},
      {"0.31 s apart", {{true, 1, 0, 0.0f, 1}, {true, 1, 0, 0.31f, 1}}},
      {"right then left", {{true, 3, 0, 0.0f, 1}, {true, 1, 0, 0.1f, 1}}},
      {"two right presses", {{true, 3, 0, 0.0f, 1}, {true, 3, 0, 0.1f, 1}}},
      {"another device", {{true, 1, 0, 0.0f, 1}, {true, 1, 1, 0.1f, 1}}},
      {"releases counted apart from presses",
       {{true, 1, 0, 0.0f, 1},
        {false, 1, 0, 0.05f, 1},
        {true, 1, 0, 0.05f, 2},
        {false, 1, 0, 0.05f, 2}}},
  };
  for (const auto &c : cases) {
    Scene scene;
    for (const Step &step : c.steps) {
      if (step.gapBefore > 0.0f)
        scene.framework->update(step.gapBefore);
      push(buttonEvent(step.down, step.button, 5, 5, step.device));
      pump();
      ASSERT_EQ(scene.queue().size(), 1u) << c.name;
      EXPECT_EQ(scene.queue()[0]->clicks, step.clicks) << c.name;
      EXPECT_EQ(scene.queue()[0]->device, step.device) << c.name;
    }
  }
}

TEST(InputDispatch, ButtonsHeldAndWheel) {
  Scene scene;
  push(buttonEvent(true, 4, 1, 1));
  push(buttonEvent(true, 1, 1, 1));
  push(buttonEvent(true, 5, 1, 1));
  push(buttonEvent(true, 3, 1, 1));
  push(buttonEvent(false, 1, 1, 1));
  pump();
  const struct {
    uint32_t kind, button, buttons;
  } expected[] = {{InputEvent::BUTTON_DOWN, 16, 0},
                  {InputEvent::BUTTON_DOWN, 1, 1},
                  {InputEvent::BUTTON_DOWN, 8, 1},
                  {InputEvent::BUTTON_DOWN, 4, 5},
                  {InputEvent::BUTTON_UP, 1, 4}};
  ASSERT_EQ(scene.queue().size(), 5u);
  for (uint32_t i = 0; i < 5; ++i) {
    EXPECT_EQ(scene.queue()[i]->kind, expected[i].kind) << i;
    EXPECT_EQ(scene.queue()[i]->button, expected[i].button) << i;
    EXPECT_EQ(scene.queue()[i]->buttons, expected[i].buttons) << i;
    EXPECT_EQ(scene.queue()[i]->hasButton(InputEvent::BUTTON_RIGHT), i >= 3) << i;
  }
}

TEST(InputDispatch, PositionsFollowTheOrientation) {
  const struct {
    int orientation;
    math::Vector2i position, motion, size;
    int resizes;
  } cases[] = {
      {0, {10, 460}, {3, -4}, {320, 480}, 0},
      {1, {20, 10}, {4, 3}, {480, 320}, 1},
      {2, {460, 310}, {-4, -3}, {480, 320}, 1},
      {3, {310, 20}, {-3, 4}, {320, 480}, 0},
  };
  for (const auto &c : cases) {
    Scene scene(c.orientation);
    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 10;
    motion.motion.y = 20;
    motion.motion.xrel = 3;
    motion.motion.yrel = 4;
    push(motion);
    push(buttonEvent(true, 1, 10, 20));
    SDL_Event resize = {};
    resize.type = SDL_VIDEORESIZE;
    resize.resize.w = 320;
    resize.resize.h = 480;
    push(resize);
    pump();
    ASSERT_EQ(scene.queue().size(), 2u);
    const InputEvent &moved = *scene.queue()[0];
    EXPECT_EQ(moved.kind, InputEvent::POINTER_MOTION);
    EXPECT_EQ(moved.position.x, c.position.x) << c.orientation;
    EXPECT_EQ(moved.position.y, c.position.y) << c.orientation;
    EXPECT_EQ(moved.motion.x, c.motion.x) << c.orientation;
    EXPECT_EQ(moved.motion.y, c.motion.y) << c.orientation;
    EXPECT_EQ(moved.clicks, 1u);
    EXPECT_EQ(pointerPosition(*scene.queue()[1]).x, float(c.position.x)) << c.orientation;
    EXPECT_EQ(pointerPosition(*scene.queue()[1]).y, float(c.position.y)) << c.orientation;
    EXPECT_EQ(InputState::instance().pointerPosition().x, c.position.x);
    EXPECT_EQ(scene.window->size().x, c.size.x) << c.orientation;
    EXPECT_EQ(scene.window->size().y, c.size.y) << c.orientation;
    EXPECT_EQ(scene.window->resizes, c.resizes) << c.orientation;
    EXPECT_EQ(scene.framework->sizeChanges, c.resizes) << c.orientation;
  }
}

TEST(InputDispatch, BeforeLoadingOnlyWindowEventsCount) {
  Scene scene(0, false);
  push(keyEvent(true, SDLK_a, 'a'));
  push(buttonEvent(true, 1, 3, 3));
  SDL_Event focus = {};
  focus.type = SDL_ACTIVEEVENT;
  focus.active.gain = 0;
  focus.active.state = SDL_APPINPUTFOCUS | SDL_APPACTIVE;
  push(focus);
  pump();
  EXPECT_EQ(scene.queue().size(), 0u);
  EXPECT_FALSE(InputState::instance().isKeyDown('a'));
  EXPECT_FALSE(scene.window->active());
  EXPECT_TRUE(scene.window->iconified());
  EXPECT_FALSE(InputState::instance().enabled());
  EXPECT_EQ(scene.framework->focusChanges, std::vector<bool>{false});

  // The mouse-focus bit alone changes nothing.
  focus.active.gain = 1;
  focus.active.state = SDL_APPMOUSEFOCUS;
  push(focus);
  pump();
  EXPECT_FALSE(scene.window->active());

  SDL_Event quit = {};
  quit.type = SDL_QUIT;
  scene.framework->allowQuit = false;
  push(quit);
  pump();
  EXPECT_FALSE(scene.framework->quitRequested());
  scene.framework->allowQuit = true;
  push(quit);
  pump();
  EXPECT_TRUE(scene.framework->quitRequested());
}
