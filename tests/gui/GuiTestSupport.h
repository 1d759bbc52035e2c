#pragma once
// What the widget and page tests share: a current database with a
// "framework" script manager whose builtin "note" appends its argument to a
// log, a 320 x 480 window, one layer "gui", and a recording widget.

#include "file/Database.h"
#include "framework/ShellTestSupport.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "gui/PageSound.h"
#include "gui/Widget.h"
#include "gui/WidgetRegistry.h"
#include "input/InputEvent.h"
#include "quip/Builtin.h"
#include "quip/Interpreter.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "video/Layer.h"
#include "video/LayerManager.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace guitest {

inline std::string g_log;

inline void note(const std::string &text) { g_log += text + " "; }

inline std::string narrow(const String &text) {
  std::string out;
  for (uint32_t i = 0; i < text.length(); ++i)
    out += char(text[i]);
  return out;
}

inline math::Rectangle rect(float x, float y, float w, float h) {
  math::Rectangle r;
  r.set(x, y, w, h);
  return r;
}

// A vector as a pair, for comparisons.
inline std::pair<float, float> xy(math::Vector2 v) { return {v.x, v.y}; }

inline quip::Array code(const wchar_t *text) { return quip::translate(String(text), String(L"t")); }

// A widget with a box of its own that logs the events and hooks it sees.
class Probe : public GUI::Widget {
public:
  Probe(const char *label, math::Rectangle box = math::Rectangle(), bool consume = false)
      : m_label(label), m_box(box), m_consume(consume) {
    setName(Symbol::intern(
        String(std::wstring(label, label + std::char_traits<char>::length(label)).c_str())));
  }
  math::Rectangle localRectangle() const override { return m_box; }
  bool onPointerDown(const framework::InputEvent &) override { return seen("down"); }
  bool onPointerUp(const framework::InputEvent &) override { return seen("up"); }
  bool onKeyPress(const framework::InputEvent &) override { return seen("key"); }
  void onEnter() override {
    note(m_label + ".onEnter");
    Widget::onEnter();
  }
  void onActive() override {
    note(m_label + ".onActive");
    Widget::onActive();
  }
  void update(float dt) override {
    note(m_label + ".update");
    Widget::update(dt);
  }
  void setConsume(bool consume) { m_consume = consume; }

private:
  bool seen(const char *what) {
    note(m_label + "." + what);
    return m_consume;
  }
  std::string m_label;
  math::Rectangle m_box;
  bool m_consume;
};

// Notes every sound a page or widget plays.
class NotingSounds : public GUI::PageSoundPlayer {
public:
  void playSound(Symbol sound) override { note(std::string("sound:") + narrow(sound.toString())); }
};

inline framework::InputEvent pointer(uint32_t kind, int x, int y) {
  framework::InputEvent e;
  e.kind = kind;
  e.position = math::Vector2i(x, y);
  e.button = framework::InputEvent::BUTTON_LEFT;
  return e;
}

inline framework::InputEvent key(int32_t code, uint32_t modifiers = 0,
                                 uint32_t kind = framework::InputEvent::KEY_DOWN) {
  framework::InputEvent e;
  e.kind = kind;
  e.key = code;
  e.modifiers = modifiers;
  return e;
}

class GuiTest : public testing::Test {
protected:
  GuiTest() {
    database = new Database(Symbol::intern(L"guiTest"), String(L"."));
    Database::registerDatabase(database);
    previous = Database::currentName();
    Database::setCurrent(database->name());
    scripts = new quip::ScriptManager(database->scriptManagers(), Symbol::intern(L"framework"));
    quip::registerBuiltin(scripts->builtins(), L"note", [](quip::Interpreter *i, int *) {
      quip::Token t = i->pop();
      note(t.isString() ? narrow(t.string()) : narrow(t.toString()));
    });
    window = new shelltest::FakeWindow(320, 480);
    video::Window::setInstance(window);
    video::LayerManager::instance().addLayer(new video::Layer(Symbol::intern(L"gui")));
    g_log.clear();
  }
  ~GuiTest() override {
    GUI::PageFactory::destroyInstance();
    GUI::WidgetRegistry::destroyInstance();
    video::LayerManager::destroyInstance();
    video::Window::setInstance(nullptr);
    delete window;
    delete scripts;
    Database::setCurrent(previous);
    Database::unregisterDatabase(database);
    delete database;
  }

  // The dictionary a script literal gives.
  quip::Dictionary dictionaryOf(const wchar_t *text) {
    quip::Token value = scripts->finish(scripts->spawn(code(text)));
    EXPECT_TRUE(value.isDictionary());
    return value.isDictionary() ? value.dictionary() : quip::Dictionary();
  }

  // An active page on the whole screen, entered.
  GUI::Page *shownPage() {
    auto *page = new GUI::Page;
    page->setName(Symbol::intern(L"p"));
    page->setHitArea(new math::Rectangle(rect(0, 0, 320, 480)));
    GUI::PageFactory::instance()->addPage(page);
    page->enter();
    return page;
  }

  video::Layer &layer() { return video::LayerManager::instance().getLayer(Symbol::intern(L"gui")); }

  Database *database;
  Symbol previous;
  quip::ScriptManager *scripts;
  video::Window *window;
};

} // namespace guitest
