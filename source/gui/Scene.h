#pragma once
// The current world of a database seen through a camera in a viewport of
// the screen. A press inside the viewport takes the page's pointer capture,
// and while it holds it the camera's controller takes the events, so a drag
// that leaves the viewport goes on steering the camera until the release.

#include "camera/Camera.h"
#include "gui/Widget.h"
#include "math/Rectangle.h"

class Database;

namespace GUI {

class Scene : public Widget {
public:
  Scene();

  // The viewport.
  math::Rectangle localRectangle() const override { return m_viewport; }
  bool handleEvent(const framework::InputEvent &event) override;
  void draw(video::Canvas &canvas) override;
  // "database", "viewport", "camera".
  void load(const quip::Dictionary &dictionary) override;

  Database *database() const { return m_database; }
  void setDatabase(Database *database) { m_database = database; }
  // In screen coordinates.
  const math::Rectangle &viewport() const { return m_viewport; }
  void setViewport(const math::Rectangle &viewport) { m_viewport = viewport; }
  Camera &camera() { return m_camera; }

private:
  void trackCapture(const framework::InputEvent &event);

  Database *m_database;
  math::Rectangle m_viewport;
  Camera m_camera;
};

} // namespace GUI
