#pragma once
// The game's application object: the one framework of the program, refined
// for this game, and the listener that turns the device's tilt into the
// gravity the ball follows. After the framework's load steps it runs the
// game's own start-up one stage per frame (profile, pages, screens, engine,
// network, preloads); while running it does the game's frame work; at the end
// it saves the profile and takes the game down. What it needs of the front
// end (profile, pages, screens, tester, score client, globe, location) it
// reaches through the installed front end.

#include "framework/Accelerometer.h"
#include "framework/Framework.h"
#include "math/Vector3.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Tumblix : public Framework, public framework::AccelerometerListener {
public:
  // Made on first use; the framework's destruction of its instance deletes it.
  static Tumblix *instance();
  static bool exists();
  ~Tumblix() override;

  bool handleEvent(const framework::InputEvent &event) override;
  void end() override;
  // The flag reaches the engine only while the "game" screen is current.
  void focusChanged(bool focused) override;
  // Rebuilds the pages for the new window and returns to the same screen.
  void windowSizeChanged() override;
  bool keepRunningWhenInactive() override { return false; }
  bool usesAccelerometer() override { return true; }
  String logoTextureName() override { return String(L"ULV"); }
  String applicationName() override { return String(L"Tumblix"); }
  bool windowResizable() override { return false; }
  void updateRunning(float dt) override;
  // The system initialisation; the argument list is not looked at.
  void handleArguments(const container::Vector<String> &arguments) override;
  // Textures, billboards, fonts, sounds, particle systems and skeletons.
  uint32_t databaseLoadMask() override { return 111; }
  bool usesPreludeScripts() override { return false; }
  // Clears the colour buffer only, and only when the render state asks.
  void preRender(video::Canvas &canvas) override;
  // The loading picture covers the screen.
  LoadingScreenStyle loadingScreenStyle() override;
  // The game's three extra layers among the framework's.
  void createLayers() override;
  // One start-up stage per call.
  void finishLoad1() override;
  bool finishLoad2() override { return m_startupDone; }
  // The snapshot and the first screen.
  void finishLoad3() override;
  // The project's data tree; the player's files stay in the current folder.
  String databasePath() override { return String(L"data"); }

  void resetAcceleration() { m_gravity = math::Vector3(); }
  void accelerometerNotified() override { resetAcceleration(); }
  // Ignored for half a second after "pause" closes; otherwise smoothed and
  // turned by the calibration angle into the gravity vector.
  void accelerationChanged(const math::Vector3 &reading) override;
  // The tilt of the smoothed reading about the x axis, in degrees.
  float tiltAngle() const;

  bool hasFocus() const { return m_hasFocus; }
  bool freeFrameRate() const { return m_freeFrameRate; }
  void setFreeFrameRate(bool free) { m_freeFrameRate = free; }
  uint32_t startupStage() const { return m_startupStage; }
  bool startupDone() const { return m_startupDone; }
  const math::Vector3 &smoothedAcceleration() const { return m_smoothedAcceleration; }
  const math::Vector3 &gravity() const { return m_gravity; }
  float resumeTime() const { return m_resumeTime; }

  // "/snapshot.bin" in the documents folder: the current screen, the engine
  // with the level in play, and the pages shown. Saved whole or not at all;
  // a folder that takes no file only costs the snapshot (logged).
  static String snapshotPath();
  void writeSnapshot(file::ByteReceiver &out) const;
  void writeSnapshot();
  // Only for a player whose profile was read at this start. Everything with
  // a length or a name is read and checked before anything is applied; the
  // page records, which have none, come last. False, with every page
  // inactive and no level installed, for a file that is missing, empty,
  // of another version, cut short or names a screen or page that does not
  // exist.
  bool readSnapshot();
  bool readSnapshot(file::ByteProducer &in);

protected:
  Tumblix();
  // The stages of the start-up, by number.
  void runStartupStage(uint32_t stage);
  // What play needs at once: the globe's and the title's pictures and
  // sounds, the globe itself and the textures of every level.
  void preloadAssets();

private:
  bool m_hasFocus = true;
  bool m_freeFrameRate = false;
  uint32_t m_startupStage = 0;
  bool m_startupDone = false;
  math::Vector3 m_smoothedAcceleration;
  math::Vector3 m_gravity;
  float m_resumeTime = 0.0f;
};
