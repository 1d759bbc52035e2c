#pragma once
// A secret area: a quad drawn with the level's background texture hides part
// of the level. When the ball comes within two cells of it the cover fades
// to a faint 0.3 and stays so; the first time, the level plays "secret" and
// throws crystal sparks along its two long edges. It has no physics.

#include "engine/GameObject.h"
#include "math/Box3D.h"
#include "math/Polygon.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "video/RibbonRenderPass.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace mesh {
class Mesh;
class MeshDefinition;
} // namespace mesh

class Secret : public GameObject {
public:
  enum State : uint32_t { HIDDEN = 0, REVEALED = 1, UNSET = 2 };
  // The ball reveals the area from this near its outline.
  static constexpr float revealDistance = 6.0f;
  static constexpr float revealedOpacity = 0.3f;
  // Sparks along each long edge, both ends included.
  static constexpr uint32_t sparksPerEdge = 11;
  // State, state time, found, then the four corners.
  static constexpr uint32_t recordBytes = 1 + 4 + 1 + 4 * 8;

  // Hidden, not yet found, fully opaque.
  explicit Secret(Level &level);
  ~Secret() override;

  // Fades towards its state's opacity; a hidden area near the ball opens.
  void update(float dt) override;
  // The cover and its two border ribbons, at the current opacity.
  void render(video::Canvas &canvas) override;
  // The world point of the first corner.
  math::Vector3 getPosition() const override;

  // Only a different state counts; the first reveal plays the effect.
  void setState(uint32_t state);
  // Inside the outline or nearer than the reveal distance to it.
  bool isNear(const math::Vector2 &point) const;

  // The record of the level file and the snapshot alike. False, changing
  // nothing, when it is cut short. The state is taken as read: nothing plays.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
  bool readLevelRecord(file::ByteProducer &in) { return read(in); }
  void writeLevelRecord(file::ByteReceiver &out) const { write(out); }

  // Grid corners: c0 and c1 one short side, c2 and c3 the other; the long
  // sides run c0 to c2 and c1 to c3.
  void setCorners(const math::Vector2i &c0, const math::Vector2i &c1, const math::Vector2i &c2,
                  const math::Vector2i &c3);
  const math::Vector2i &corner(uint32_t i) const { return m_corners[i]; }
  uint32_t state() const { return m_state; }
  float stateTime() const { return m_stateTime; }
  bool found() const { return m_found; }
  float opacity() const { return m_opacity; }
  bool meshDirty() const { return m_meshDirty; }
  // The world outline c0, c2, c3, c1.
  const math::Points2D &outline() const { return m_outline; }
  // The cover's four vertices: the corners pushed 1.0 out along the long
  // sides.
  math::Vector2 coverVertex(uint32_t i) const;
  // The outline's box, for the level's visibility test.
  math::Box3D bounds() const;

private:
  void rebuildOutline();
  void rebuildMesh();
  void playReveal();

  uint32_t m_state = UNSET;
  float m_stateTime = 0.0f;
  math::Vector2i m_corners[4];
  bool m_found = false;
  mesh::MeshDefinition *m_meshDefinition;
  mesh::Mesh *m_mesh;
  bool m_meshDirty = true;
  math::Points2D m_outline;
  float m_opacity = 1.0f;
  // The border's two-point paths, kept so that drawing makes none.
  math::Points2D m_borders[2];
  video::RibbonRenderPass m_borderPass;
};
