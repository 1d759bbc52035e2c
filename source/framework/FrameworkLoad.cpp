// Start-up and the staged load: one step per frame, so that the loading
// screen keeps drawing while the engine comes up.

#include "framework/Framework.h"

#include "audio/MusicPlayer.h"
#include "audio/Player.h"
#include "audio/SoundscapeManager.h"
#include "billboard/SplitImage.h"
#include "error/AssertHandler.h"
#include "error/Log.h"
#include "error/Redirect.h"
#include "error/Report.h"
#include "file/BuildDate.h"
#include "file/FileStatus.h"
#include "file/SystemVersion.h"
#include "framework/Accelerometer.h"
#include "framework/BetaLog.h"
#include "framework/CorvaneDatabase.h"
#include "quip/ScriptManager.h"
#include "video/Canvas.h"
#include "video/Layer.h"
#include "video/LayerManager.h"
#include "video/Window.h"

#include <algorithm>
#include <cstdlib>

namespace {

String databaseRoot() {
  Database *database = Database::current();
  return database ? database->path() : String(L".");
}

} // namespace

void Framework::initialize() {
  if (Database *database = Database::current())
    database->setPath(databasePath());
  m_documentsPath = documentsPath();

  if (!redirectOutput(redirectsStderr(), stderrFileName(), redirectsStdout(), stdoutFileName(),
                      &m_documentsPath))
    exit(-1);

  logLine(String(L"Database path: ") + databaseRoot());
  logLine(String(L"Documents path: ") + m_documentsPath);
  logLine(String(L"Operating system version: ") + operatingSystemVersion());

  framework::BetaLog &events = framework::BetaLog::instance();
  events.logEvent(String(L"Build compile date"), compileDate());
  events.logEvent(String(L"Build"), buildFlagsText());
}

void Framework::begin(const container::Vector<String> &arguments) {
  logLine(L"Framework::begin()");
  handleArguments(arguments);
  if (usesPreludeScripts()) {
    String root = databaseRoot();
    addScriptLibrary(root + L"/config/preludeScripts.!");
    addScriptLibrary(root + L"/config/corvanePreludeScripts.!");
  }
  setState(m_splash.pictureCount() ? FRAMEWORK_SPLASH : FRAMEWORK_LOADING);
  logLine(L"finished Framework::begin()");
}

void Framework::loadSequence() {
  if (m_stateTime < loadingScreenStyle().fadeInTime)
    return;
  performLoadStep(m_loadStep);
}

void Framework::performLoadStep(uint32_t step) {
  switch (step) {
  case 0:
    // Without a mixer the program goes on silent; the player said why.
    audio::Player::instance().initialize();
    log(String(L"Initialized audio."), true);
    break;
  case 1:
    createLayers();
    log(String(L"Created layers."), true);
    break;
  case 2:
    loadScriptLibraries();
    log(String(L"Loaded script libraries."), true);
    break;
  case 3:
    defineStrings();
    log(String(L"Defined strings."), true);
    break;
  case 4:
    if (CorvaneDatabase *database = corvaneDatabase())
      database->beginLoad();
    break;
  case 5: {
    CorvaneDatabase *database = corvaneDatabase();
    if (database) {
      database->loadDatabase(databaseLoadMask());
      if (!database->loadDone())
        return;
    }
    log(String(L"Loaded database."), true);
    break;
  }
  case 6: {
    // Without the file there are no soundscapes, and nothing to say.
    String path = databaseRoot() + L"/config/soundscapes.!";
    if (file::exists(path)) {
      audio::SoundscapeManager::instance().load(path, scriptManager());
      log(String(L"Loaded soundscapes."), true);
    }
    break;
  }
  case 7: {
    String path = databaseRoot() + L"/config/music.!";
    if (file::exists(path)) {
      audio::MusicPlayer::instance().load(path, scriptManager());
      log(String(L"Loaded music."), true);
    }
    break;
  }
  case 8:
    placeOnLayers();
    break;
  case 9:
    video::LayerManager::instance().createRenderGroups();
    log(String(L"Created layer render groups."), true);
    break;
  case 10:
    // Only an opened accelerometer is reported.
    if (usesAccelerometer()) {
      framework::Accelerometer &accelerometer = framework::Accelerometer::instance();
      accelerometer.open();
      if (accelerometer.isOpen())
        log(String(L"Initialized accelerometer."), true);
    }
    break;
  default:
    finishLoad1();
    if (!finishLoad2())
      return;
    finishLoad3();
    log(String(L"Finished load."), true);
    setState(FRAMEWORK_RUNNING);
    m_frameStatistics = true;
    return;
  }
  ++m_loadStep;
}

void Framework::createLayers() {
  static const wchar_t *const names[] = {L"backgroundInput", L"background",  L"backgroundMenu",
                                         L"scene",           L"foreground",  L"foregroundMenu",
                                         L"cursor",          L"videoCapture"};
  video::LayerManager &layers = video::LayerManager::instance();
  for (const wchar_t *name : names)
    layers.addLayer(new video::Layer(Symbol::intern(name)));
}

void Framework::readOptions(const quip::Dictionary &options) {
  static const Symbol layersKey = Symbol::intern(L"layers");
  static const Symbol fullScreenKey = Symbol::intern(L"fullScreen");
  static const Symbol videoCaptureKey = Symbol::intern(L"videoCapture");

  const quip::Token *layers = options.lookupTyped(layersKey, quip::TYPE_ARRAY);
  if (layers && layers->isArray()) {
    const quip::Array &names = layers->array();
    for (uint32_t i = 0; i < names.count(); ++i)
      if (names[i].isSymbol())
        video::LayerManager::instance().addLayer(new video::Layer(names[i].symbol()));
  }
  if (const quip::Token *fullScreen = options.lookupTyped(fullScreenKey, quip::TYPE_SYMBOL))
    if (video::Window *window = video::Window::instance())
      window->setFullscreen(fullScreen->toBool());
  const quip::Token *capture = options.lookupTyped(videoCaptureKey, quip::TYPE_DICTIONARY);
  if (capture && capture->isDictionary())
    m_capture.read(capture->dictionary());
}

void Framework::defineStrings() {
  static const Symbol procedure = Symbol::intern(L"defineStrings");
  if (!scriptManager().hasProcedure(procedure))
    return;
  quip::Token strings = scriptManager().runNamed(procedure);
  // Anything but a dictionary was already reported by the script.
  if (strings.isDictionary())
    m_strings = strings.dictionary();
}

void Framework::loadLoadingScreen() {
  String path = databaseRoot() + L"/load/loadingScreen.png";
  // Loading goes on without a picture when there is none.
  if (!file::exists(path)) {
    framework::reportWarning(error::sourcePath(__FILE__).c_str(), __LINE__, L"loadLoadingScreen",
                             String(L"Loading screen not found: ") + path);
    return;
  }
  delete m_loadingScreen;
  m_loadingScreen = new SplitImage(path, String(L"loadingScreen"), 256);
}

void Framework::releaseLoadingScreen() {
  delete m_loadingScreen;
  m_loadingScreen = nullptr;
}

void Framework::renderLoadingScreen() {
  video::Canvas *canvas = video::Canvas::instance();
  if (!canvas || !canvas->beginFrame())
    return;
  LoadingScreenStyle style = loadingScreenStyle();
  math::Color clearColor = canvas->clearColor();
  canvas->setClearColor(style.backgroundColor);
  canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH |
                video::Canvas::CLEAR_STENCIL);
  canvas->resetMatrices();
  math::Vector2 window = video::Window::screenSize();
  canvas->setScreenProjection(window);

  canvas->pushColor();
  float t = m_state == FRAMEWORK_LOADING ? m_stateTime : 1.0f;
  if (t < style.fadeInTime)
    canvas->multiplyColor(math::Color(1.0f, 1.0f, 1.0f, t / style.fadeInTime));

  math::Vector2 picture = m_loadingScreen ? m_loadingScreen->size() : math::Vector2();
  if (picture.x > 0.0f && picture.y > 0.0f) {
    float across = window.x / picture.x, up = window.y / picture.y;
    float scale = 1.0f;
    switch (style.scaleMode) {
    case LoadingScreenStyle::FIT:
      scale = std::min(across, up);
      break;
    case LoadingScreenStyle::FIT_NO_ENLARGE:
      scale = std::min(1.0f, std::min(across, up));
      break;
    case LoadingScreenStyle::FILL:
      scale = std::max(across, up);
      break;
    default:
      break;
    }
    canvas->pushMatrix();
    canvas->translate(video::Window::screenCenter());
    canvas->scale(scale, scale);
    m_loadingScreen->render(*canvas);
    canvas->popMatrix();
  }
  drawLoadingOverlay(*canvas);
  canvas->popColor();
  canvas->flush();
  canvas->endFrame();
  canvas->setClearColor(clearColor);
}
