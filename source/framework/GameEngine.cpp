#include "framework/GameEngine.h"

#include "error/AssertHandler.h"
#include "error/Report.h"
#include "file/AtomicSave.h"
#include "file/Database.h"
#include "file/FileStatus.h"
#include "framework/Framework.h"
#include "gui/GameEngineWidget.h"
#include "gui/PageStateRecord.h"
#include "quip/ScriptManager.h"
#include "video/Canvas.h"
#include "video/Layer.h"
#include "video/RenderGroup.h"
#include "video/Window.h"
#include "xstring/Print.h"

namespace framework {

namespace {
GameEngine *theCurrent = nullptr;

String databaseRoot() {
  Database *database = Database::current();
  return database ? database->path() : String(L".");
}

quip::ScriptManager *makeScriptManager(Symbol name) {
  Database *database = Database::current();
  if (database)
    return new quip::ScriptManager(database->scriptManagers(), name);
  return new quip::ScriptManager(name);
}
} // namespace

GameEngine::GameEngine(Symbol name)
    : m_name(name), m_renderGroup(new video::RenderGroup(name)),
      m_scriptManager(makeScriptManager(name)) {
  video::RenderGroupTable::instance().add(m_renderGroup);
}

GameEngine::~GameEngine() {
  if (video::RenderGroupTable::exists())
    video::RenderGroupTable::instance().remove(m_renderGroup);
  delete m_renderGroup;
  delete m_scriptManager;
  clearPageSets();
  if (theCurrent == this)
    setCurrent(nullptr);
}

void GameEngine::update(float dt) {
  if (Framework::exists() && Framework::instance()->isPaused())
    return;
  m_renderGroup->update(dt);
  m_scriptManager->update(20, dt);
}

void GameEngine::render(video::Canvas &canvas) { m_renderGroup->render(canvas); }

void GameEngine::renderLayer(video::Canvas &, Symbol) {}

void GameEngine::activate() {
  loadOptions();
  m_active = true;
}

void GameEngine::deactivate() {
  clearPageSets();
  m_active = false;
}

void GameEngine::reset() { m_renderGroup->clear(); }

String GameEngine::configDirectory() { return databaseRoot() + L"/engineConfig"; }

String GameEngine::optionsPath() { return configDirectory() + L"/options.!"; }

void GameEngine::loadOptions() {
  String path = optionsPath();
  if (!file::exists(path) && !file::exists(path + L".bin")) {
    saveOptions();
    return;
  }
  quip::Token options = m_scriptManager->evaluateFile(path);
  if (!options.isDictionary()) {
    reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"loadOptions",
                  String(L"Options file ") + path + L" does not hold a dictionary");
    return;
  }
  if (Framework::exists())
    Framework::instance()->readOptions(options.dictionary());
}

void GameEngine::saveOptions() {
  quip::Dictionary options;
  writeOptions(options);
  String path = optionsPath();
  // A folder that is missing or read-only, or a full disk, keeps the old
  // options and is reported by the save.
  file::AtomicSave out(path);
  xstring::print(out.file(), L"%% Game options for %S\n\n", m_name.text());
  xstring::print(out.file(), L"%S\n", quip::Token(options).toString().c_str());
  out.commit();
}

math::Vector2 GameEngine::viewCenter() { return video::Window::screenCenter(); }

void GameEngine::addPageSet(Symbol name) { m_pageSets.push(new GUI::PageStateRecord(name)); }

void GameEngine::savePageSets() {
  for (uint32_t i = 0; i < m_pageSets.size(); ++i)
    m_pageSets[i]->save();
}

void GameEngine::restorePageSets() {
  for (uint32_t i = 0; i < m_pageSets.size(); ++i)
    m_pageSets[i]->restore();
}

void GameEngine::clearPageSets() {
  for (uint32_t i = 0; i < m_pageSets.size(); ++i)
    delete m_pageSets[i];
  m_pageSets.clear();
}

GameEngine *GameEngine::current() { return theCurrent; }

void GameEngine::setCurrent(GameEngine *engine) {
  theCurrent = engine;
  video::Layer::setBackdrop(engine);
  GUI::GameEngineWidget::setCurrentEngine(engine, engine);
  if (engine && video::Canvas::instance())
    video::Canvas::instance()->setClearColor(engine->backgroundColor());
}

void GameEngine::deleteCurrent() {
  GameEngine *engine = theCurrent;
  setCurrent(nullptr);
  delete engine;
}

NullEngine::NullEngine() : GameEngine(Symbol::intern(L"null")) {}

String NullEngine::configDirectory() { return databaseRoot(); }

} // namespace framework
