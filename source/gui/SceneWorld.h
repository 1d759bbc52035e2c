#pragma once
// What a scene widget needs of a database's current world: its scene graph,
// drawn with the camera already applied, and the graph's camera
// controllers. The scene subsystem installs the finder; without it, or
// without a current world, a scene widget draws no world.

#include "camera/CameraController.h"

class Database;
namespace video {
class Canvas;
}

namespace GUI {

class SceneWorld : public CameraControllerOwner {
public:
  virtual void renderScene(video::Canvas &canvas) = 0;
};

// The current world of a database, or null.
using SceneWorldFinder = SceneWorld *(*)(Database &database);
void setSceneWorldFinder(SceneWorldFinder finder);
SceneWorld *currentSceneWorld(Database &database);

} // namespace GUI
