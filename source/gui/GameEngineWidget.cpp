#include "gui/GameEngineWidget.h"

#include "video/Window.h"

namespace GUI {

namespace {
video::Renderable *g_engine = nullptr;
framework::EventHandler *g_engineInput = nullptr;
} // namespace

void GameEngineWidget::setCurrentEngine(video::Renderable *engine, framework::EventHandler *input) {
  g_engine = engine;
  g_engineInput = engine ? input : nullptr;
}

video::Renderable *GameEngineWidget::currentEngine() { return g_engine; }

// With no engine current the widget is an empty full-screen widget.
void GameEngineWidget::update(float dt) {
  if (!visible())
    return;
  Widget::update(dt);
  if (g_engine)
    g_engine->update(dt);
}

math::Rectangle GameEngineWidget::localRectangle() const {
  math::Vector2 size = video::Window::screenSize();
  math::Rectangle whole;
  whole.set(0.0f, 0.0f, size.x, size.y);
  return whole;
}

bool GameEngineWidget::handleEvent(const framework::InputEvent &event) {
  if (!isInteractive())
    return false;
  if (g_engineInput && g_engineInput->handleEvent(event))
    return true;
  return Widget::handleEvent(event);
}

void GameEngineWidget::draw(video::Canvas &canvas) {
  if (g_engine)
    g_engine->render(canvas);
}

} // namespace GUI
