#pragma once
// Something that places a camera: the scene's tracking, free and helicopter
// controllers grow from this. A camera names its controller; the camera's
// owner (the 3-D scene widget) keeps them under their names, not owned.

#include "container/HashTable.h"
#include "xstring/Symbol.h"

class Camera;
namespace framework {
struct InputEvent;
}

class CameraController {
public:
  CameraController() = default;
  CameraController(const CameraController &) = delete;
  CameraController &operator=(const CameraController &) = delete;
  virtual ~CameraController() = default;

  // Takes the camera it is to place from now on.
  virtual void attach(Camera &camera) = 0;
  // An input event for the camera; whether it was consumed.
  virtual bool handleEvent(Camera &, const framework::InputEvent &) { return false; }

  // Set while a camera uses the controller.
  bool isActive() const { return m_active; }
  void setActive(bool active) { m_active = active; }

private:
  bool m_active = false;
};

using CameraControllerTable = container::HashTable<Symbol, CameraController *>;

// Whoever keeps camera controllers by name for its cameras.
class CameraControllerOwner {
public:
  virtual ~CameraControllerOwner() = default;
  virtual CameraControllerTable &cameraControllers() = 0;
};
