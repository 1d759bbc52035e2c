#pragma once
// A canvas that goes through every drawing step and hands nothing over, for
// counting what the level's drawing allocates.

#include "support/IdleFrame.h"
#include "support/RecordingCanvas.h"

class DrawingCanvas : public testing_support::NullCanvas {
public:
  DrawingCanvas() : m_renderer(*this) {}
  void drawVertices(video::VertexRenderer &) override {}
  video::VertexRenderer &vertexRenderer() override { return m_renderer; }
  video::RenderState &renderState() override { return m_state; }
  const video::RenderState &renderState() const override { return m_state; }

private:
  testing_support::PlainRenderState m_state;
  video::OpenGLVertexRenderer m_renderer;
};

// The idle frame's canvas replaced by a drawing one. It stays the global
// canvas, so the textures it met can forget it when they go.
inline DrawingCanvas *drawInto(testing_support::IdleFrame &idle) {
  auto *drawing = new DrawingCanvas;
  delete idle.canvas;
  video::Canvas::setInstance(drawing);
  return drawing;
}
