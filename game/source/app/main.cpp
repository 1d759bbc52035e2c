// The game's program: the application object and the platform shell, run
// through the framework's program entry, with the game's front end installed
// under the game core. Its own switches are read first.

#include "app/FrameLimit.h"
#include "app/ProgramOptions.h"
#include "engine/Tumblix.h"
#include "framework/OpenGLShell.h"
#include "framework/ProgramEntry.h"
#include "gui/GameFrontEnd.h"
#include "screen/HomeIntroScreen.h"

#include <memory>

int main(int argc, char **argv) {
  ProgramOptions options = ProgramOptions::read(argc, argv);
  if (options.levelGiven)
    screen::HomeIntroScreen::setFirstLevel(options.level);
  // Made here rather than during static initialisation: the libraries
  // install their hooks then, in an order no object may rely on.
  GameFrontEnd frontEnd;
  FrontEnd::install(&frontEnd);
  Tumblix::instance();
  std::unique_ptr<FrameLimit> limit;
  if (options.frames)
    limit = std::make_unique<FrameLimit>(options.frames);
  return runApplication(
      argc, argv, []() -> framework::Shell * { return new framework::OpenGLShell; }, limit.get());
}
