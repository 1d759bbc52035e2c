#pragma once
// The engine's own application object, so that the program runs before any
// game exists: the framework's defaults with the null game engine. With
// "--frames N" it quits by itself after N running frames and reports what
// the last one read back.

#include "framework/Framework.h"

class CorvaneApplication : public Framework {
public:
  String applicationName() override { return String(L"Corvane"); }
  // The project's data tree; the output files stay in the current folder.
  String databasePath() override { return String(L"data"); }
  // Reads "--frames N", then opens the window at the device's screen size.
  void handleArguments(const container::Vector<String> &arguments) override;
  // The null engine becomes current once the framework's steps are done,
  // and the frame-rate meter shows.
  void finishLoad1() override;
  void postRender(video::Canvas &canvas) override;

  uint32_t frameLimit() const { return m_frameLimit; }

private:
  void reportLastFrame(video::Canvas &canvas);

  uint32_t m_frameLimit = 0;
  uint32_t m_framesDrawn = 0;
};
