#pragma once
// The sky box of a scene: six optional face textures (left, right, front,
// back, top, bottom), drawn by the canvas around its camera. Reading the
// faces from a script and the object model come with the scene objects.

#include "video/SkyBoxFaces.h"

class SkyBoxObject {
public:
  Texture *face(unsigned index) const { return m_faces.face(index); }
  void setFace(unsigned index, Texture *texture) { m_faces.setFace(index, texture); }
  void clearFaces() { m_faces.clearFaces(); }
  const video::SkyBoxFaces &faces() const { return m_faces; }

  void render(video::Canvas &canvas) const { m_faces.draw(canvas); }

private:
  video::SkyBoxFaces m_faces;
};
