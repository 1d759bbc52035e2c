#include "gui/Accelerator.h"
#include "GuiTestSupport.h"
#include "input/Key.h"
#include "quip/Dictionary.h"

using framework::InputEvent;
using GUI::Accelerator;
using namespace guitest;

namespace {

Accelerator loaded(const wchar_t *key, std::initializer_list<const wchar_t *> modifiers) {
  quip::Array names(0);
  for (const wchar_t *name : modifiers)
    names.append(quip::Token(Symbol::intern(name), false));
  quip::Dictionary d;
  d.set(Symbol::intern(L"key"), quip::Token(Symbol::intern(key), false));
  d.set(Symbol::intern(L"modifiers"), quip::Token(names, false));
  Accelerator a;
  a.load(d);
  return a;
}

} // namespace

TEST(AcceleratorTest, TextListsCtrlAltShiftThenTheKeyName) {
  EXPECT_TRUE(Accelerator().text().isEmpty());
  EXPECT_EQ(narrow(loaded(L"F5", {L"Right Alt", L"Left Ctrl"}).text()), "Ctrl+Alt+F5");
  EXPECT_EQ(narrow(loaded(L"Escape", {}).text()), "Escape");
  EXPECT_EQ(
      narrow(Accelerator(framework::KEY_PAGE_UP,
                         framework::MOD_SHIFT | framework::MOD_LEFT_ALT | framework::MOD_CAPS_LOCK)
                 .text()),
      "Alt+Shift+Page Up");
}

TEST(AcceleratorTest, MatchesKeyPressWithEachGroupHeldExactly) {
  using namespace framework;
  const Accelerator ctrlAltF5 = loaded(L"F5", {L"Right Alt", L"Left Ctrl"});
  const Accelerator escape = loaded(L"Escape", {});
  const int32_t F5 = KEY_F1 + 4;
  struct Case {
    const Accelerator &accelerator;
    InputEvent event;
    bool match;
  } cases[] = {
      {ctrlAltF5, key(F5, MOD_LEFT_CTRL | MOD_RIGHT_ALT), true},
      {ctrlAltF5, key(F5, MOD_RIGHT_CTRL | MOD_LEFT_ALT), true},
      {ctrlAltF5, key(F5, MOD_CTRL | MOD_ALT | MOD_NUM_LOCK | MOD_LEFT_META), true},
      {ctrlAltF5, key(F5, MOD_LEFT_CTRL | MOD_RIGHT_ALT | MOD_LEFT_SHIFT), false},
      {ctrlAltF5, key(F5, MOD_LEFT_CTRL), false},
      {ctrlAltF5, key(KEY_F1, MOD_LEFT_CTRL | MOD_RIGHT_ALT), false},
      {escape, key(KEY_ESCAPE), true},
      {escape, key(KEY_ESCAPE, MOD_CAPS_LOCK | MOD_MODE), true},
      {escape, key(KEY_ESCAPE, MOD_RIGHT_SHIFT), false},
      {escape, key(KEY_ESCAPE, 0, InputEvent::KEY_UP), false},
      {escape, key(KEY_ESCAPE, 0, InputEvent::CHARACTER), false},
  };
  for (const Case &c : cases)
    EXPECT_EQ(c.accelerator.matches(c.event), c.match)
        << "key " << c.event.key << " modifiers " << c.event.modifiers << " kind " << c.event.kind;
}

TEST(AcceleratorTest, UnknownNamesAddNothingAndAbsentKeysKeepTheFields) {
  Accelerator a = loaded(L"#nokey#", {L"Shift", L"#nomod#"});
  EXPECT_EQ(a.key(), 0u);
  EXPECT_EQ(a.modifiers(), uint32_t(framework::MOD_SHIFT));
  a.load(quip::Dictionary());
  EXPECT_EQ(a.modifiers(), uint32_t(framework::MOD_SHIFT));
}
