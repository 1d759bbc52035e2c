#pragma once
// The six face textures of a sky box, each optional, in the order left,
// right, front, back, top, bottom. Shared from the texture manager, not
// owned. The scene's sky box object holds one and hands it to the canvas.

class Texture;

namespace video {

class Canvas;

class SkyBoxFaces {
public:
  enum Face { LEFT, RIGHT, FRONT, BACK, TOP, BOTTOM, FACE_COUNT };

  // Null for a face without a texture or an index beyond the six.
  Texture *face(unsigned index) const { return index < FACE_COUNT ? m_faces[index] : nullptr; }
  void setFace(unsigned index, Texture *texture) {
    if (index < FACE_COUNT)
      m_faces[index] = texture;
  }
  void clearFaces() {
    for (Texture *&face : m_faces)
      face = nullptr;
  }
  // The canvas draws the box around its camera.
  void draw(Canvas &canvas) const;

private:
  Texture *m_faces[FACE_COUNT] = {};
};

} // namespace video
