#pragma once
// The application base class. Exactly one object of a class derived from it
// exists; the program entry drives it through initialize, begin, the main
// loop and end. It owns the life cycle (idle, splash, loading, running), the
// staged load that fills the engine one step per frame, and the default of
// every operation, each a virtual slot that the application may replace.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "framework/FPSMeter.h"
#include "framework/FrameRateHistogram.h"
#include "input/EventHandler.h"
#include "math/Color.h"
#include "quip/Dictionary.h"
#include "video/Capture.h"
#include "video/DisplayHost.h"
#include "video/SplashScreen.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

class CorvaneDatabase;
class SplitImage;
class TexturePool;
namespace quip {
class ScriptManager;
}
namespace video {
class Canvas;
class RenderGroup;
} // namespace video
namespace GUI {
class PageStateRecord;
}

enum FrameworkState : uint32_t {
  FRAMEWORK_IDLE = 0,
  FRAMEWORK_SPLASH = 1,
  FRAMEWORK_LOADING = 2,
  FRAMEWORK_RUNNING = 3
};

// How the loading picture is shown.
struct LoadingScreenStyle {
  enum ScaleMode { FILL = 1, FIT = 2, FIT_NO_ENLARGE = 3 };
  float fadeInTime = 0.0f;
  math::Color backgroundColor{0.0f, 0.0f, 0.0f, 1.0f};
  // Any other value draws the picture at scale 1.
  int32_t scaleMode = FIT_NO_ENLARGE;
};

// " SHIP PALM USE_OPENGL OPENGL_ES USE_SDL USE_STB USE_SDL_MIXER".
String buildFlagsText();

class Framework : public framework::EventHandler, private NonCopyable {
public:
  Framework();
  ~Framework() override;

  static Framework *instance();
  static bool exists();
  static void setInstance(Framework *framework);
  // Deletes the instance and clears it.
  static void destroyInstance();

  // Consumes every record that reaches it.
  bool handleEvent(const framework::InputEvent &event) override;
  // Paths, output redirection, the start-up log lines and the build record.
  virtual void initialize();
  virtual void begin(const container::Vector<String> &arguments);
  // Tears everything down in a fixed order.
  virtual void end();
  virtual void update(float dt);
  virtual void render();
  // "layers", "fullScreen" and "videoCapture"; a missing key changes nothing.
  virtual void readOptions(const quip::Dictionary &options);
  virtual bool mayQuit() { return true; }
  virtual void setPaused(bool paused);
  virtual void releaseSounds();
  // Graphics-library objects go back around a change of video mode; the
  // named textures are kept.
  virtual void releaseGraphics(const container::Vector<Symbol> *keep = nullptr);
  // The loading messages; written only when enabled.
  virtual void log(const String &text, bool enabled);
  virtual void focusChanged(bool focused) { (void)focused; }
  virtual void windowSizeChanged() {}
  virtual bool keepRunningWhenInactive() { return false; }
  virtual bool usesAccelerometer() { return false; }
  virtual float targetFrameRate() { return 30.0f; }
  virtual bool wantsAlphaChannel() { return false; }
  virtual void releaseAll();
  virtual String logoTextureName() { return String(L"ULV"); }
  virtual String applicationName() = 0;
  virtual String windowTitle() { return applicationName(); }
  virtual String iconPath();
  virtual bool hidesCursor() { return false; }
  virtual bool windowDecorated() { return true; }
  virtual bool windowResizable() { return false; }
  virtual void setState(FrameworkState state);
  virtual void updateIdle(float dt) { (void)dt; }
  virtual void updateSplash(float dt);
  virtual void updateLoading(float dt);
  virtual void updateRunning(float dt);
  virtual void handleArguments(const container::Vector<String> &arguments) { (void)arguments; }
  // One step of the staged load per call.
  virtual void loadSequence();
  virtual uint32_t databaseLoadMask() { return 0xffffffffu; }
  virtual bool usesPreludeScripts() { return false; }
  virtual void preRender(video::Canvas &canvas);
  virtual void postRender(video::Canvas &canvas) { (void)canvas; }
  virtual bool redirectsStderr() { return true; }
  virtual bool redirectsStdout() { return true; }
  virtual const char *stderrFileName() { return "stderr.txt"; }
  virtual const char *stdoutFileName() { return "stdout.txt"; }
  virtual String databasePath() { return String(L"."); }
  virtual String documentsPath() { return String(L"."); }
  virtual LoadingScreenStyle loadingScreenStyle() { return LoadingScreenStyle(); }
  virtual void loadLoadingScreen();
  virtual void renderLoadingScreen();
  virtual void drawLoadingOverlay(video::Canvas &canvas) { (void)canvas; }
  virtual void releaseLoadingScreen();
  virtual void defineStrings();
  virtual void createLayers();
  virtual void finishLoad1() {}
  virtual bool finishLoad2() { return true; }
  virtual void finishLoad3() {}

  quip::ScriptManager &scriptManager() { return *m_scriptManager; }
  // Each name through the script manager, in order; a failure is fatal.
  void loadScriptLibraries();
  void addScriptLibrary(const String &fileName);
  const container::Vector<String *> &scriptLibraries() const { return m_scriptLibraries; }
  void setFrameTime(float dt) { m_frameTime = dt; }
  video::RenderGroup &frameworkGroup() { return *m_frameworkGroup; }
  // The text the "defineStrings" procedure gave under the key; empty when
  // it gave none.
  String stringValue(Symbol key) const;
  const quip::Dictionary &strings() const { return m_strings; }

  void addPageSet(Symbol name);
  void savePageSets();
  void restorePageSets();
  uint32_t pageSetCount() const { return m_pageSets.size(); }

  void toggleCapture() { m_capture.setEnabled(!m_capture.enabled()); }
  bool showsFrameRate() const { return m_fpsMeter.enabled(); }
  void setShowsFrameRate(bool shows) { m_fpsMeter.setEnabled(shows); }

  FrameworkState state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  uint32_t loadStep() const { return m_loadStep; }
  video::SplashScreen &splash() { return m_splash; }
  // The folder of the user's files: the one initialize stored, before that
  // the application's choice.
  String documentsFolder() { return m_documentsPath.isEmpty() ? documentsPath() : m_documentsPath; }
  bool quitRequested() const { return m_quit; }
  void setQuit(bool quit) { m_quit = quit; }
  bool frameStatistics() const { return m_frameStatistics; }
  bool isPaused() const { return m_paused; }
  bool fixedRate() const { return m_fixedRate; }
  void setFixedRate(bool fixed) { m_fixedRate = fixed; }
  // The main loop's count of a finished frame.
  void countFrame(uint32_t elapsedMilliseconds);
  uint32_t frameCount() const { return m_frameCount; }
  uint32_t frameMilliseconds() const { return m_frameMilliseconds; }
  FrameRateHistogram &histogram() { return m_histogram; }
  FPSMeter &fpsMeter() { return m_fpsMeter; }
  float totalTime() const { return m_totalTime; }
  float frameTime() const { return m_frameTime; }
  video::Capture &capture() { return m_capture; }
  SplitImage *loadingScreen() const { return m_loadingScreen; }
  // The pool named "frameworkTexturePool", made on first use with the
  // current database.
  TexturePool &texturePool();

  // "FrameRate: ..." with the counts so far.
  String frameRateText() const;

protected:
  // The steps of the load sequence, by number.
  void performLoadStep(uint32_t step);

private:
  // What the window and canvas ask of the application.
  class DisplayHost : public video::DisplayHost {
  public:
    explicit DisplayHost(Framework &framework) : m_framework(framework) {}
    void releaseGraphics() override { m_framework.releaseGraphics(); }
    void windowSizeChanged() override { m_framework.windowSizeChanged(); }
    bool windowResizable() override { return m_framework.windowResizable(); }
    bool windowDecorated() override { return m_framework.windowDecorated(); }
    int orientation() override;
    bool framesSuspended() override;
    int inputGrabMode() override;
    void setInputGrabbed(int mode) override;
    math::Vector2 worldToScreen(const math::Vector2 &point) override;
    float worldLengthToScreen(float length) override;

  private:
    Framework &m_framework;
  };

  void placeOnLayers();
  // True when the framework's group was on a layer (it is ours again).
  bool takeOffLayers();

  FrameworkState m_state = FRAMEWORK_IDLE;
  float m_stateTime = 0.0f;
  uint32_t m_loadStep = 0;
  video::SplashScreen m_splash;
  String m_documentsPath;
  bool m_quit = false;
  bool m_frameStatistics = false;
  bool m_paused = false;
  bool m_fixedRate = true;
  uint32_t m_frameCount = 0;
  uint32_t m_frameMilliseconds = 0;
  FrameRateHistogram m_histogram;
  FPSMeter m_fpsMeter;
  video::RenderGroup *m_frameworkGroup = nullptr;
  bool m_frameworkGroupPlaced = false;
  float m_totalTime = 0.0f;
  float m_frameTime = 0.033f;
  quip::ScriptManager *m_scriptManager = nullptr;
  video::Capture m_capture;
  SplitImage *m_loadingScreen = nullptr;
  quip::Dictionary m_strings;
  container::Vector<GUI::PageStateRecord *> m_pageSets;
  container::Vector<String *> m_scriptLibraries;
  TexturePool *m_texturePool = nullptr;
  CorvaneDatabase *m_database = nullptr;
  DisplayHost m_displayHost{*this};
};
