#include "gui/SceneWorld.h"

namespace GUI {

namespace {
SceneWorldFinder g_finder = nullptr;
}

void setSceneWorldFinder(SceneWorldFinder finder) { g_finder = finder; }

SceneWorld *currentSceneWorld(Database &database) {
  return g_finder ? g_finder(database) : nullptr;
}

} // namespace GUI
