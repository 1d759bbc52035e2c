// Terrain decoration: upright billboards (grass and the like) scattered on
// a grid around the camera, jittered by noise, fading out towards the
// cut-off radius.

#include "math/Box3D.h"
#include "math/Noise.h"
#include "math/Scalar.h"
#include "math/Sphere.h"
#include "video/Canvas.h"
#include "video/RenderState.h"
#include "video/TerrainSurface.h"
#include "video/TextureAccess.h"
#include "video/VertexRenderer.h"

#include <cmath>

namespace video {

void Canvas::drawTerrainDecoration(const TerrainDecoration &decoration) {
  flush();
  TerrainSurface *terrain = decoration.terrain;
  if (!terrain || !m_camera)
    return;
  const float r = decoration.cutoffRadius;
  const float s = decoration.step;
  if (s <= 0.0f || r <= 0.0f)
    return;
  const CameraView &camera = m_cameraView;
  math::Vector3 origin = terrain->origin();
  math::Vector3 center, half;
  terrain->localBounds(center, half);
  if (!math::Box3D(center, half).intersects(math::Sphere(camera.position - origin, r)))
    return;

  const BillboardQuad &billboard = decoration.quad;
  RenderState &state = renderState();
  state.setLighting(false);
  state.setCulling(false);
  state.setDepthWrite(effectiveDepthWrite(false));
  state.setDepthTest(effectiveDepthTest(true));
  state.setAlphaTest(true);
  state.setAlphaFunction(COMPARE_GREATER, 0.0f);
  int blend = effectiveBlendMode(billboard.blend);
  state.setBlendMode(blend);
  state.setBlending(!textureIsOpaque(billboard.texture) || blendAlwaysBlends(blend));
  state.setTextureStyle(effectiveTextureStyle(billboard.textureStyle, 0), 0);
  state.setTexture(billboard.texture, 0);

  // The quad stands on its foot point, turned by the billboard's rotation in
  // its own plane, and faces the camera.
  math::Vector2 h(billboard.size.x * billboard.scale.x * 0.5f,
                  billboard.size.y * billboard.scale.y * 0.5f);
  const float local[4][2] = {{-h.x, 2 * h.y}, {-h.x, 0}, {h.x, 0}, {h.x, 2 * h.y}};
  double turn = double(billboard.rotation) * math::degreesToRadians;
  float cosine = float(std::cos(turn)), sine = float(std::sin(turn));
  math::Vector3 across = camera.right * -1.0f;
  across.normalize();
  math::Vector3 facing = camera.forward * -1.0f;
  facing.normalize();
  math::Vector3 upward = facing.cross(across);
  math::Vector3 corners[4];
  for (int k = 0; k < 4; ++k) {
    float x = local[k][0] * cosine + local[k][1] * sine;
    float y = -local[k][0] * sine + local[k][1] * cosine;
    corners[k] = across * x + upward * y;
  }

  float gridX = std::trunc(camera.position.x / s) * s;
  float gridZ = std::trunc(camera.position.z / s) * s;
  float jitter = s * decoration.noiseScale;
  float r2 = r * r;
  applyMatrices();
  VertexRenderer &renderer = vertexRenderer();
  renderer.begin(FORMAT_COLORED, PRIMITIVE_TRIANGLE_LIST);
  for (float x = -r; x < r; x += s)
    for (float z = -r; z < r; z += s) {
      if (x * camera.forward.x + z * camera.forward.z < 0.0f)
        continue;
      math::Vector3 p(x + gridX, camera.position.y, z + gridZ);
      math::Vector3 l = p - origin;
      if (std::fabs(l.x - center.x) > half.x + jitter ||
          std::fabs(l.z - center.z) > half.z + jitter)
        continue;
      float dx = jitter * math::perlinNoise(math::Vector3(p.x, 1.234f, p.z));
      float dz = jitter * math::perlinNoise(math::Vector3(p.x, 2.345f, p.z));
      p.x += dx;
      p.z += dz;
      if (!terrain->decorationAllowed(p, decoration.index))
        continue;
      float height = decoration.fixedHeight;
      if (!decoration.hasFixedHeight && !terrain->heightAt(p, height))
        continue;
      p.y = height;
      float d2 = (p - camera.position).lengthSquared();
      if (d2 > r2 || height < terrain->waterLevel())
        continue;
      math::Color color = billboard.color;
      math::Color ground;
      if (decoration.takeGroundColor && terrain->colorAt(p, ground))
        color *= ground;
      if (d2 > 0.75f * r2)
        color.a *= 1.0f - (d2 - 0.75f * r2) / (0.25f * r2);
      setColor(color);
      static const int triangles[6] = {0, 1, 3, 3, 1, 2};
      for (int k : triangles) {
        renderer.texCoord(billboard.texCoords[k]);
        renderer.vertex(corners[k] + p);
      }
    }
  renderer.end();
  state.setAlphaTest(false);
}

} // namespace video
