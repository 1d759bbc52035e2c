#pragma once
// A user clip plane of the scene: the GL plane index and the coefficients
// (a, b, c, d) of ax + by + cz + d >= 0, in the space of the model-view
// matrix current when the canvas enables it.

namespace scene {

class ClipPlane {
public:
  ClipPlane() = default;
  ClipPlane(int index, float a, float b, float c, float d) : m_index(index) {
    setPlane(a, b, c, d);
  }

  int index() const { return m_index; }
  void setIndex(int index) { m_index = index; }
  void setPlane(float a, float b, float c, float d) {
    m_plane[0] = a;
    m_plane[1] = b;
    m_plane[2] = c;
    m_plane[3] = d;
  }
  void getPlane(float out[4]) const {
    for (int i = 0; i < 4; ++i)
      out[i] = m_plane[i];
  }

private:
  int m_index = 0;
  float m_plane[4] = {0.0f, 0.0f, 0.0f, 0.0f};
};

} // namespace scene
