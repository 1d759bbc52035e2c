#pragma once
// Puts the running game on a page: the widget drives whatever game engine is
// current at the moment of each call, so the engine updates with the page,
// draws where the page draws it (under the widget's own children) and sees
// the page's input before the widgets placed over it. It holds no engine:
// the framework hands the current one in whenever it changes.

#include "gui/Widget.h"

namespace GUI {

class GameEngineWidget : public Widget {
public:
  // The current engine as the widget drives it; both null when there is none.
  static void setCurrentEngine(video::Renderable *engine, framework::EventHandler *input);
  static video::Renderable *currentEngine();

  // While visible: the widget's own update, then the engine's.
  void update(float dt) override;
  // The whole screen.
  math::Rectangle localRectangle() const override;
  // The engine first; the widget's children and its own handler only get what
  // the engine did not consume.
  bool handleEvent(const framework::InputEvent &event) override;
  void draw(video::Canvas &canvas) override;
  // It covers the screen, so it is never culled.
  bool isCullable() const override { return false; }
};

} // namespace GUI
