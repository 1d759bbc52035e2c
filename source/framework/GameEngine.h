#pragma once
// The base of a game's engine: the thing that owns a game in play, updates
// and draws it, takes input and keeps the game's options in "/options.!" of
// its configuration folder. One engine is current at a time; each has a name,
// a render group and a script manager of that name.

#include "camera/ViewTransform.h"
#include "container/Vector.h"
#include "input/EventHandler.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "quip/Dictionary.h"
#include "video/LayerBackdrop.h"
#include "video/Renderable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace video {
class RenderGroup;
}
namespace quip {
class ScriptManager;
}
namespace GUI {
class PageStateRecord;
}

namespace framework {

// The current engine is every layer's backdrop.
class GameEngine : public video::Renderable, public video::LayerBackdrop, public EventHandler {
public:
  // Registers the engine's render group in the render-group table and its
  // script manager with the current database.
  explicit GameEngine(Symbol name);
  GameEngine(const GameEngine &) = delete;
  GameEngine &operator=(const GameEngine &) = delete;
  ~GameEngine() override;

  // Nothing while the framework is paused; else the render group, then the
  // engine's scripts (20 steps each).
  void update(float dt) override;
  void render(video::Canvas &canvas) override;
  // Every enabled layer calls it before drawing its contents.
  void renderLayer(video::Canvas &canvas, Symbol layerName) override;
  // Loads the options, then marks the engine active.
  virtual void activate();
  // Forgets the page sets and marks the engine inactive.
  virtual void deactivate();
  virtual void levelInit() {}
  virtual void levelRestart() {}
  virtual void levelBegin() {}
  // Deletes every drawable of the render group.
  virtual void reset();
  // Database root + "/engineConfig".
  virtual String configDirectory();
  virtual void readOptions(const quip::Dictionary &options) { (void)options; }
  virtual void writeOptions(quip::Dictionary &options) { (void)options; }
  // Reads "/options.!" of the configuration folder, or writes it when there is none.
  virtual void loadOptions();
  // Writes "%% Game options for <name>" and the options dictionary.
  virtual void saveOptions();
  // The window's centre.
  virtual math::Vector2 viewCenter();
  virtual math::Color backgroundColor() const { return math::Color(0.0f, 0.0f, 0.0f, 1.0f); }

  // Maps the engine's world to the screen; the canvas draws world-space
  // splines through it.
  ViewTransform &viewTransform() { return m_viewTransform; }
  Symbol name() const { return m_name; }
  bool isActive() const { return m_active; }
  video::RenderGroup &renderGroup() { return *m_renderGroup; }
  quip::ScriptManager &scriptManager() { return *m_scriptManager; }
  // "/options.!" in the configuration folder.
  String optionsPath();

  void addPageSet(Symbol name);
  void savePageSets();
  void restorePageSets();
  uint32_t pageSetCount() const { return m_pageSets.size(); }

  uint32_t flag() const { return m_flag; }
  void setFlag(uint32_t flag) { m_flag = flag; }
  const String &text() const { return m_text; }
  void setText(const String &text) { m_text = text; }

  static GameEngine *current();
  // Stores it and gives the canvas the engine's background colour.
  static void setCurrent(GameEngine *engine);
  // Deletes the current engine and clears it.
  static void deleteCurrent();

private:
  void clearPageSets();

  Symbol m_name;
  bool m_active = false;
  container::Vector<GUI::PageStateRecord *> m_pageSets;
  video::RenderGroup *m_renderGroup;
  quip::ScriptManager *m_scriptManager;
  uint32_t m_flag = 0;
  String m_text;
  ViewTransform m_viewTransform;
};

// The empty engine: "null", with nothing to activate and its options in the
// database root.
class NullEngine : public GameEngine {
public:
  NullEngine();
  void activate() override {}
  void deactivate() override {}
  String configDirectory() override;
};

} // namespace framework
