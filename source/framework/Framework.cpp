#include "framework/Framework.h"

#include "animation/TextureAnimations.h"
#include "audio/Library.h"
#include "billboard/SplitImage.h"
#include "error/Assert.h"
#include "error/AssertHandler.h"
#include "error/Clock.h"
#include "error/Log.h"
#include "error/Report.h"
#include "file/Localization.h"
#include "framework/BetaLog.h"
#include "framework/BillboardAssets.h"
#include "framework/CorvaneDatabase.h"
#include "framework/DropAssets.h"
#include "framework/FontAssets.h"
#include "framework/FrameworkBuiltins.h"
#include "framework/GameEngine.h"
#include "framework/InputState.h"
#include "framework/MeshAssets.h"
#include "framework/ParticleAssets.h"
#include "framework/ShapeAssets.h"
#include "framework/Shell.h"
#include "framework/SkeletonAssets.h"
#include "framework/SoundAssets.h"
#include "framework/TextureAssets.h"
#include "gui/PageStateRecord.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "quip/builtins/BuiltinTable.h"
#include "screen/ScreenRegistry.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "texture/TexturePool.h"
#include "video/BufferObject.h"
#include "video/Canvas.h"
#include "video/Layer.h"
#include "video/LayerManager.h"
#include "video/RenderGroup.h"
#include "video/Shader.h"
#include "video/Window.h"

#include <SDL.h>
#include <cstdlib>

namespace {

Framework *theFramework = nullptr;

// Screens log each entry to the beta log.
void logScreenEvent(const String &event, const String &data) {
  framework::BetaLog::instance().logEvent(event, data);
}

// An error report takes the window out of full screen so that its message
// can be seen.
void prepareScreenForError() {
  // The pointer must be free to answer the error.
  framework::InputState::instance().setInputGrabbed(SDL_GRAB_OFF);
  if (video::Window *window = video::Window::instance())
    if (window->fullscreen())
      window->setFullscreen(false);
}

} // namespace

String buildFlagsText() {
  String flags;
  for (const wchar_t *flag : {L" SHIP", L" PALM", L" USE_OPENGL", L" OPENGL_ES", L" USE_SDL",
                              L" USE_STB", L" USE_SDL_MIXER"})
    flags += flag;
  return flags;
}

Framework::Framework() {
  error::AssertHandler::registerInstance(new error::CorvaneAssertHandler);
  Clock::startClock();
  srand(currentTimeMilliseconds());

  // Before the first script manager, so that it binds the language's builtins.
  quip::installBuiltins();
  installTextureAssets();
  installSoundAssets();
  installBillboardAssets();
  installParticleAssets();
  installSkeletonAssets();
  installDropAssets();
  installFontAssets();
  animation::installTextureAnimations();
  installMeshAssets();
  installShapeAssets();
  static const Symbol name = Symbol::intern(L"framework");
  m_database = new CorvaneDatabase(name, String(L"."));
  Database::registerDatabase(m_database);
  Database::setCurrent(name);
  m_scriptManager = new quip::ScriptManager(m_database->scriptManagers(), name);

  m_frameworkGroup = new video::RenderGroup(name);
  video::RenderGroupTable::instance().add(m_frameworkGroup);

  registerFrameworkBuiltins(m_scriptManager->builtins(), false);

  video::DisplayHost::setInstance(&m_displayHost);
  framework::setErrorScreenHook(prepareScreenForError);
  screen::ScreenRegistry::setServices(m_scriptManager, logScreenEvent);
}

int Framework::DisplayHost::orientation() {
  framework::Shell *shell = framework::Shell::instance();
  return shell ? shell->orientation() : 0;
}

bool Framework::DisplayHost::framesSuspended() {
  framework::Shell *shell = framework::Shell::instance();
  return shell && shell->framesSuspended();
}

int Framework::DisplayHost::inputGrabMode() { return framework::InputState::instance().grabMode(); }

void Framework::DisplayHost::setInputGrabbed(int mode) {
  framework::InputState::instance().setInputGrabbed(mode);
}

math::Vector2 Framework::DisplayHost::worldToScreen(const math::Vector2 &point) {
  framework::GameEngine *engine = framework::GameEngine::current();
  return engine ? engine->viewTransform().worldToScreen(point) : point;
}

float Framework::DisplayHost::worldLengthToScreen(float length) {
  framework::GameEngine *engine = framework::GameEngine::current();
  return engine ? engine->viewTransform().scaleX(length) : length;
}

Framework::~Framework() {
  if (&video::DisplayHost::instance() == &m_displayHost)
    video::DisplayHost::setInstance(nullptr);
  framework::setErrorScreenHook(nullptr);
  if (screen::ScreenRegistry::scriptManager() == m_scriptManager)
    screen::ScreenRegistry::setServices(nullptr, nullptr);
  // The layers may outlive the framework; they must not keep its parts.
  bool groupOnLayer = takeOffLayers();
  // Pictures give their textures back to the database, so they go first.
  delete m_loadingScreen;
  m_loadingScreen = nullptr;
  m_splash.clear();
  if (m_scriptManager) {
    delete m_scriptManager;
    m_scriptManager = nullptr;
    // A group placed on a layer that is gone went with it.
    if (groupOnLayer || !m_frameworkGroupPlaced) {
      video::RenderGroupTable::instance().remove(m_frameworkGroup);
      delete m_frameworkGroup;
    }
    m_frameworkGroup = nullptr;
    video::RenderGroupTable::destroyInstance();
    // The database lives as long as the framework that made it.
    if (Database::find(m_database->name()) == m_database)
      Database::unregisterDatabase(m_database);
    delete m_database;
    m_database = nullptr;
    Clock::releaseStartClock();
    xstring::Localization::release();
  }
  delete m_texturePool;
  m_texturePool = nullptr;
  for (uint32_t i = 0; i < m_pageSets.size(); ++i)
    delete m_pageSets[i];
  for (uint32_t i = 0; i < m_scriptLibraries.size(); ++i)
    delete m_scriptLibraries[i];
  if (theFramework == this)
    theFramework = nullptr;
}

Framework *Framework::instance() { return theFramework; }
bool Framework::exists() { return theFramework != nullptr; }
void Framework::setInstance(Framework *framework) { theFramework = framework; }

void Framework::destroyInstance() {
  Framework *framework = theFramework;
  theFramework = nullptr;
  delete framework;
}

bool Framework::handleEvent(const framework::InputEvent &) { return true; }

void Framework::setPaused(bool paused) {
  m_paused = paused;
  if (video::Window *window = video::Window::instance())
    window->setCaption(paused ? windowTitle() + L" (paused)" : windowTitle());
}

// Sounds that play keep their chunks; the player's own release stops them.
void Framework::releaseSounds() {
  for (Symbol name : Database::names())
    if (Database *database = Database::find(name))
      if (audio::Library *library = audio::Library::of(*database, false))
        library->freeUnusedChunks();
}

namespace {
// Every texture of every registered database that the keep test spares not
// gives up its GL copy; it loads again when next drawn.
template <typename Keep> void unloadTextures(Keep keeps) {
  for (Symbol name : Database::names()) {
    Database *database = Database::find(name);
    TextureManager *textures = database ? existingTextureManager(*database) : nullptr;
    for (uint32_t i = 0; textures && i < textures->count(); ++i)
      if (!keeps(textures->at(i)->name()))
        textures->at(i)->unload();
  }
}
} // namespace

void Framework::releaseGraphics(const container::Vector<Symbol> *keep) {
  video::Shader::releaseAll();
  video::BufferObjectPool::instance().releaseAll();
  unloadTextures([keep](Symbol name) { return keep && keep->indexOf(name) >= 0; });
}

void Framework::unloadTexturesExcept(const container::HashTable<Symbol, bool> &keep) {
  unloadTextures([&keep](Symbol name) { return keep.contains(name); });
}

TexturePool &Framework::texturePool() {
  if (!m_texturePool)
    m_texturePool = new TexturePool(Database::current(), String(L"frameworkTexturePool"));
  return *m_texturePool;
}

void Framework::log(const String &text, bool enabled) {
  if (enabled)
    logLine(text);
}

void Framework::releaseAll() {
  releaseGraphics();
  releaseSounds();
}

String Framework::iconPath() {
  Database *database = Database::current();
  String root = database ? database->path() : String(L".");
  return root + L"/" + applicationName() + L".png";
}

void Framework::setState(FrameworkState state) {
  if (state == m_state)
    return;
  m_state = state;
  m_stateTime = 0.0f;
  if (state == FRAMEWORK_LOADING) {
    m_splash.clear();
    loadLoadingScreen();
  } else if (state == FRAMEWORK_RUNNING) {
    releaseLoadingScreen();
  }
}

void Framework::updateSplash(float dt) {
  m_splash.update(dt);
  if (m_splash.isFinished())
    setState(FRAMEWORK_LOADING);
}

void Framework::updateLoading(float) { loadSequence(); }

void Framework::preRender(video::Canvas &canvas) {
  canvas.clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH |
               video::Canvas::CLEAR_STENCIL);
}

void Framework::loadScriptLibraries() {
  for (uint32_t i = 0; i < m_scriptLibraries.size(); ++i) {
    bool loaded = scriptManager().loadScriptLibrary(*m_scriptLibraries[i]);
    CORVANE_ASSERT_TEXT_MSG(
        loaded, L"scriptManager().loadScriptLibrary( *m_scriptLibraryFilename.get( i ) )",
        *m_scriptLibraries[i]);
  }
}

void Framework::addScriptLibrary(const String &fileName) {
  m_scriptLibraries.push(new String(fileName));
}

String Framework::stringValue(Symbol key) const {
  const quip::Token *value = m_strings.lookupTyped(key, quip::TYPE_STRING);
  return value && value->isString() ? value->string() : String();
}

void Framework::addPageSet(Symbol name) { m_pageSets.push(new GUI::PageStateRecord(name)); }

void Framework::savePageSets() {
  for (uint32_t i = 0; i < m_pageSets.size(); ++i)
    m_pageSets[i]->save();
}

void Framework::restorePageSets() {
  for (uint32_t i = 0; i < m_pageSets.size(); ++i)
    m_pageSets[i]->restore();
}

void Framework::countFrame(uint32_t elapsedMilliseconds) {
  ++m_frameCount;
  m_frameMilliseconds += elapsedMilliseconds;
  m_histogram.add(elapsedMilliseconds);
}

void Framework::placeOnLayers() {
  static const Symbol backgroundInput = Symbol::intern(L"backgroundInput");
  static const Symbol foreground = Symbol::intern(L"foreground");
  static const Symbol cursor = Symbol::intern(L"cursor");
  static const Symbol videoCapture = Symbol::intern(L"videoCapture");
  video::LayerManager &layers = video::LayerManager::instance();
  if (!layers.layerCount())
    return;
  layers.getLayer(backgroundInput).addEventHandler(this);
  // As a group, so that the layer updates it and retires its finished
  // children; the layer then owns it.
  layers.getLayer(foreground).addRenderGroup(m_frameworkGroup);
  m_frameworkGroupPlaced = true;
  layers.getLayer(cursor).addRenderable(&m_fpsMeter);
  layers.getLayer(videoCapture).addRenderable(&m_capture);
}

bool Framework::takeOffLayers() {
  if (!video::LayerManager::exists())
    return false;
  bool groupFound = false;
  video::LayerManager &layers = video::LayerManager::instance();
  for (uint32_t i = 0; i < layers.layerCount(); ++i) {
    video::Layer &layer = layers.getLayerAt(i);
    while (layer.removeEventHandler(this)) {
    }
    while (layer.removeRenderGroup(m_frameworkGroup))
      groupFound = true;
    while (layer.removeRenderable(&m_fpsMeter)) {
    }
    while (layer.removeRenderable(&m_capture)) {
    }
  }
  return groupFound;
}

String Framework::frameRateText() const {
  double rate = m_frameCount && m_frameMilliseconds
                    ? double(m_frameCount) * 1000.0 / double(m_frameMilliseconds)
                    : 0.0;
  return String::format(L"FrameRate: %.2f frames per second (%d frames in %.2f seconds)\n", rate,
                        int(m_frameCount), double(m_frameMilliseconds) * 0.001);
}
