#pragma once
// The one drawing surface through which everything draws, in 2-D and 3-D. It
// owns the matrix stacks (model, view, projection, texture, each with a
// changed flag), the colour stack, the render-state override stacks and the
// quad batch. The base holds everything that does not touch the graphics
// library; the OpenGL canvas implements the rest and owns the render state.

#include "container/Vector.h"
#include "math/Color.h"
#include "math/MatrixStack.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"
#include "video/CameraView.h"

#include <cstdint>

class Texture;
class PixelBuffer;
struct Fog;
class Camera;
namespace math {
class Box3D;
class Rectangle;
class Spline2D;
class Spline3D;
class Transform;
class TransformDefinition;
} // namespace math
namespace animation {
struct AnimationState;
}
namespace scene {
class ClipPlane;
}
namespace mesh {
class Mesh;
}
namespace shape {
class Shape;
}
namespace physics {
class Structure3D;
class WorldGeometry;
} // namespace physics
class HeightMap;

namespace video {

class OpenGLCanvas;
class RenderState;
class RenderPass;
class QuadBatch;
class Quad3D;
struct BillboardQuad;
class VertexRenderer;
class Material;
struct Light;
class SkyBoxFaces;
class TerrainSurface;
struct TerrainLayerBuffers;
struct TerrainDecoration;
class WaterSurface;
class WaveSurface;
class ClothSurface;
class RibbonRenderPass;
class DrawList;
class RenderList;
class LateRenderable;
class DebugMeshes;

class Canvas {
public:
  enum MatrixStackIndex { MODEL, VIEW, PROJECTION, TEXTURE, STACK_COUNT };
  // Bits of clear().
  enum ClearFlags { CLEAR_COLOR = 1, CLEAR_DEPTH = 2, CLEAR_STENCIL = 4 };

  Canvas();
  Canvas(const Canvas &) = delete;
  Canvas &operator=(const Canvas &) = delete;
  virtual ~Canvas();

  // The one canvas, set by the platform shell.
  static Canvas *instance();
  static void setInstance(Canvas *canvas);
  static void destroyInstance();
  static bool exists();

  virtual OpenGLCanvas *asOpenGLCanvas() { return nullptr; }

  // False, doing nothing, while the window is iconified or the shell holds
  // frames back; else resets the quad batch.
  virtual bool beginFrame();
  // Draws what the quad batch holds.
  virtual void flush();
  virtual void flushBackend() = 0;
  // Screen coordinates from (0, 0) to the size, y upward.
  virtual void setScreenProjection(float width, float height);
  // Flushes, stores the camera and loads its projection and view.
  virtual void setCamera(const Camera *camera, const CameraView &view);
  // Bits of ClearFlags.
  virtual void clear(int flags) = 0;
  // Flushes and presents the frame.
  virtual void endFrame() = 0;
  virtual void enableLight(Light &light);
  virtual void disableLight(const Light &light);
  virtual void setMaterial(const Material &material) = 0;
  virtual void setFog(const Fog &fog) = 0;
  virtual void disableFog() = 0;
  virtual void enableClipPlane(int index, const float plane[4]) = 0;
  virtual void disableClipPlane(int index) = 0;
  virtual void enableClipPlane(const scene::ClipPlane &plane);
  virtual void disableClipPlane(const scene::ClipPlane &plane);
  // A shape's strips and fans, at its position, scale and rotation, in its
  // colour (on the colour stack) and its vertices' colours.
  virtual void drawShape(const shape::Shape &shape);
  // A mesh with its definition's parts and index lists; nothing here, the
  // OpenGL canvas draws it.
  virtual void drawMesh(const mesh::Mesh &mesh) { (void)mesh; }
  // Point sprites: count points of components floats each; colours (4 bytes
  // per point) may be null; one size for all or one per point.
  virtual void drawPoints(const float *positions, int count, int components, const uint8_t *colors,
                          const float *sizes, int sizeCount, float fadeThreshold,
                          const float attenuation[3], RenderPass &pass) = 0;
  // Reads a rectangle of the window into the buffer, top row first.
  virtual bool readPixels(const math::Rectangle &rectangle, int pixelFormat,
                          PixelBuffer &buffer) = 0;
  virtual void drawQuadBatch(QuadBatch &batch) = 0;
  virtual void drawVertices(VertexRenderer &renderer) = 0;
  virtual VertexRenderer &vertexRenderer() = 0;
  // Sends the flagged stacks: view x model as the model-view matrix,
  // projection and texture.
  virtual void applyMatrices() = 0;
  virtual void applyClearColor() {}
  virtual RenderState &renderState() = 0;
  virtual const RenderState &renderState() const = 0;

  // Matrices. Each operation acts on the current stack and flags it.
  void setMatrixMode(int stack);
  int matrixMode() const { return int(m_matrixMode); }
  math::MatrixStack &currentMatrixStack();
  void pushMatrix();
  void popMatrix();
  void translate(float x, float y) { translate(x, y, 0.0f); }
  void translate(const math::Vector2 &t) { translate(t.x, t.y, 0.0f); }
  void translate(const math::Vector3 &t) { translate(t.x, t.y, t.z); }
  void translate(float x, float y, float z);
  void scale(float x, float y) { scale(x, y, 1.0f); }
  void scale(const math::Vector2 &s) { scale(s.x, s.y, 1.0f); }
  void scale(const math::Vector3 &s) { scale(s.x, s.y, s.z); }
  void scale(float x, float y, float z);
  // Nothing for an angle of 0.
  void rotate(float degrees, float x, float y, float z);
  void loadIdentity();
  const math::Matrix4 &matrix(int stack) const;
  void loadMatrix(const math::Matrix4 &m, int stack);
  void multiplyMatrix(const math::Matrix4 &m, int stack);
  bool matrixChanged(int stack) const { return m_changed[stack] != 0; }
  void resetMatrices();
  // Translate, rotate, then scale by the uniform scale, negated on each
  // mirrored axis.
  void applyPlacement(const math::TransformDefinition &placement);
  void applyTransform(const math::Transform &transform);
  void applyInverseTransform(const math::Transform &transform);
  // Whole-number translation for pixel-exact drawing.
  void snapTranslation();

  // Colours. The current colour is the one set, modulated by the stack top.
  void setColor(const math::Color &color);
  const math::Color &color() const { return m_color; }
  math::Color &multiplyColor(const math::Color &color);
  void pushColor();
  // The current colour becomes the new top (white when the stack empties).
  void popColor();
  bool colorStackTopOpaque() const;
  void resetColorTop();
  uint32_t colorStackSize() const { return m_colorStack.size(); }
  // White when the stack is empty.
  const math::Color &colorStackTop() const;
  void setClearColor(const math::Color &color);
  const math::Color &clearColor() const { return m_clearColor; }

  void setScreenProjection(const math::Vector2i &size) {
    setScreenProjection(float(size.x), float(size.y));
  }
  void setScreenProjection(const math::Vector2 &size) { setScreenProjection(size.x, size.y); }
  void setScreenProjection(int width, int height) {
    setScreenProjection(float(width), float(height));
  }
  const Camera *camera() const { return m_camera; }
  // What the current camera handed over; meaningful while there is one.
  const CameraView &cameraView() const { return m_cameraView; }
  // Flushes and forgets the camera.
  void clearCamera();
  const Camera *projectionCamera() const { return m_projectionCamera; }
  void setProjectionCamera(const Camera *camera) { m_projectionCamera = camera; }

  // Render-state wrappers: flush, then apply the effective value (the
  // override's top when there is one, else the argument).
  void setDepthWrite(bool on);
  void setDepthTest(bool on);
  void setDepthFunction(int function);
  // These two flush only when the effective value differs from the batch's.
  void setBlendMode(int mode);
  void setTextureStyle(uint32_t word, int unit);
  void setAlphaTest(bool on);
  void setAlphaFunction(int function, float reference);
  void setStencilTest(bool on);
  void setStencilFunction(int function, int reference, uint32_t mask);
  void setStencilOperation(int fail, int depthFail, int pass);
  void setCulling(bool on);
  void setCullMode(int mode);
  void setTextureEnvColor(const math::Color &color);
  const math::Color &textureEnvColor() const;
  bool shapeMode() const;
  void setShapeMode(bool on);

  // Override stacks.
  void pushDepthWriteOverride(bool on) { m_depthWriteOverride.push(on); }
  void popDepthWriteOverride() { m_depthWriteOverride.pop(); }
  void pushDepthTestOverride(bool on) { m_depthTestOverride.push(on); }
  void popDepthTestOverride() { m_depthTestOverride.pop(); }
  void pushDepthFunctionOverride(int function) { m_depthFunctionOverride.push(uint32_t(function)); }
  void popDepthFunctionOverride() { m_depthFunctionOverride.pop(); }
  void pushBlendOverride(int mode) { m_blendOverride.push(uint32_t(mode)); }
  void popBlendOverride() { m_blendOverride.pop(); }
  void pushTextureStyleOverride(uint32_t word, int unit);
  void popTextureStyleOverride(int unit);
  bool hasTextureStyleOverride(int unit) const;
  // A non-zero top makes drawing store 2-D positions.
  void pushVertexDimensionOverride(bool twoD) { m_vertexDimensionOverride.push(twoD ? 1u : 0u); }
  void popVertexDimensionOverride() { m_vertexDimensionOverride.pop(); }
  bool is2D() const;

  bool effectiveDepthWrite(bool requested) const;
  bool effectiveDepthTest(bool requested) const;
  int effectiveDepthFunction(int requested) const;
  int effectiveBlendMode(int requested) const;
  uint32_t effectiveTextureStyle(uint32_t requested, int unit) const;

  // A pass's settings, and its colour pushed onto the colour stack.
  void applyRenderPass(RenderPass &pass);
  void releaseRenderPass(RenderPass &pass);
  // Colour pushed and multiplied, transform pushed once, as the state asks.
  void applyAnimationState(const animation::AnimationState &state);
  void unapplyAnimationState(const animation::AnimationState &state);

  void resetRenderState();
  // Before drawing at once: the batch first, then the matrices.
  void flushAndApplyMatrices();

  // Batched quads: corners transformed by the model matrix on the CPU.
  void drawQuad3D(const Quad3D &quad);
  // At its 2-D position, flat, with no depth or alpha test.
  void drawBillboard(const BillboardQuad &billboard);
  // At its 3-D position with its own alignment, depth and alpha settings;
  // facing the camera draws flat when there is no camera.
  void drawBillboard3D(const BillboardQuad &billboard);

  // Scene surfaces: each flushes, sets its state and draws triangle strips
  // through the vertex renderer.
  // The six faces around the camera; nothing without a perspective camera.
  void drawSkyBox(const SkyBoxFaces &faces);
  // Every layer with its pass, each 0.25 above the one before; part 1 draws
  // the layers' dry parts, 0 their submerged parts.
  void drawTerrain(TerrainSurface &terrain, int part);
  // The surface layers over a plane far beyond the camera's far distance
  // (which is widened meanwhile), then the patches and the shore edges.
  void drawWater(WaterSurface &water);
  // A strip along the spline (laid flat at the position, turned by the
  // angle about the vertical) and the same points moved by the offset.
  void drawWaterEdge(RenderPass &pass, const math::Spline2D &spline, const math::Vector3 &position,
                     float angle, const math::Color &color, const math::Vector2 &offset);
  void drawWaves(WaveSurface &waves);
  // Lit, with the cloth colour as its material.
  void drawCloth(ClothSurface &cloth);
  // The terrain's surf ribbons and its coastline strip, when it has them.
  virtual void drawTerrainRibbons(TerrainSurface &) {}
  virtual void drawTerrainStrip(TerrainSurface &) {}
  // Upright billboards scattered over the terrain around the camera.
  virtual void drawTerrainDecoration(const TerrainDecoration &decoration);
  // One layer's first (dry) or second (submerged) part; its pass is applied.
  virtual void drawTerrainLayer(TerrainLayerBuffers &, bool) {}

  // Primitives drawn at once; each flushes the batch first. 2-D ones lie at
  // z 0 in the current model space.
  // A line textured with "corvaneCanvasLine", 2 x width across; depth is
  // both depth write and depth test.
  void drawLine(const math::Vector2 &a, const math::Vector2 &b, const math::Color &color,
                float width, bool depth, int blend);
  // Four lines round the rectangle, their middles half a line width outside.
  void strokeRect(float x, float y, float width, float height, float lineWidth,
                  const math::Color &color);
  void strokeRect(const math::Rectangle &rectangle, float lineWidth, const math::Color &color);
  // 48 lines round the current origin.
  void drawCircle(float radius, const math::Color &color, float lineWidth);
  // Untextured, without depth; blended only when something is translucent or
  // the blend mode is not "normal".
  void fillRect(float x, float y, float width, float height, const math::Color &color, int blend);
  void fillRect(const math::Rectangle &rectangle, const math::Color &color, int blend);
  void fillRectCentered(const math::Vector2 &center, float width, float height,
                        const math::Color &color, int blend);
  // Colours of the top-left, bottom-left, top-right and bottom-right corners.
  void fillRectCorners(float x, float y, float width, float height, const math::Color &color1,
                       const math::Color &color2, const math::Color &color3,
                       const math::Color &color4, int blend);
  void fillRect(const math::Rectangle &rectangle, const math::Color &color1,
                const math::Color &color2, const math::Color &color3, const math::Color &color4,
                int blend);
  // 3-D primitives. A triangle with depth and without culling.
  void drawTriangle(const math::Vector3 &p0, const math::Vector3 &p1, const math::Vector3 &p2,
                    const math::Color &color);
  // Six flat faces, culled from behind, with their normals when asked.
  void drawSolidBox(const math::Box3D &box, const math::Color &color, bool normals, bool depth);
  // The twelve edges as 3-D lines.
  void drawBox3D(const math::Box3D &box, const math::Color &color, float width, bool depth);

  // Ribbons: textured strips of varying width along points, drawn with the
  // pass (its colour applies once). A line segment textured with
  // "corvaneCanvasLine", facing the camera when there is one; depth is both
  // depth test and depth write.
  void drawLine3D(const math::Vector3 &a, const math::Vector3 &b, const math::Color &color,
                  float width, bool depth, int blend);
  // Nothing for fewer than two points.
  void drawPolylineRibbon(const container::Vector<math::Vector3> &points, RibbonRenderPass &pass);
  // A path of the scene, pass.steps points a segment; nothing for a curve of
  // three points or fewer or of no length.
  void drawPathRibbon(const math::Spline3D &spline, RibbonRenderPass &pass);
  // In the x-y plane; with mapThroughView from the current game engine's
  // world to the screen.
  void drawSpline(const math::Spline2D &spline, RibbonRenderPass &pass, bool mapThroughView);
  void drawPolylineRibbon2D(const container::Vector<math::Vector2> &points, RibbonRenderPass &pass,
                            bool mapThroughView);

  // The physics debug view. A geometry tinted, at its placement, with its
  // bounds; nothing for a disabled one.
  void drawGeometry(const physics::WorldGeometry &geometry);
  // A sphere for every atom that is not pinned.
  void drawStructure(const physics::Structure3D &structure);
  // The grid's lines to each vertex's neighbours in the previous row and
  // column; with a level, coloured by where the ends lie against it (after
  // the model matrix): blue below, magenta rising through, red above.
  void drawHeightMap(const HeightMap &map);
  void drawHeightMap(const HeightMap &map, float level);
  // The cached debug meshes, each made on its first use.
  DebugMeshes &debugMeshes();
  void drawUnitSphere(bool depthTest);
  void drawSphere(const math::Vector3 &center, float radius, bool depthTest);
  void drawDisc();
  // A cylinder's body between the ends and a sphere at each.
  void drawCapsule(const math::Vector3 &start, const math::Vector3 &end, float radius);
  // Lies in the x-z plane; its half size is the one of its first use.
  void drawPlaneQuad(float halfSize);
  void drawWedge(bool cull, bool depthTest);
  void drawCube(bool cull, bool depthTest);

  // The late-drawn items of a scene, in the order of their keys.
  void addToRenderList(LateRenderable *item);
  void renderRenderList();
  void clearRenderList();
  // The 3-D lines and triangles queued during the frame.
  DrawList &drawList() { return *m_drawList; }

  // Looked up in the current database on first use; null without one.
  Texture *lineTexture();
  // A texture going away: unbound and dropped from what the canvas keeps.
  void forgetTexture(Texture *texture);

  QuadBatch &quadBatch() { return *m_quadBatch; }
  // The batch's recorded state around its draw.
  void applyBatchState(QuadBatch &batch);
  void releaseBatchState(QuadBatch &batch);

protected:
  void placeBillboard(const BillboardQuad &billboard, const math::Vector3 &position, int alignment);
  // Lighting and texture off, depth and blending for a solid of that colour.
  void setSolidState(const math::Color &color, bool depth);
  // Flush, smooth shading, the pass, the matrices.
  void beginRibbon(RibbonRenderPass &pass);
  void drawRibbon(const math::Vector3 *points, uint32_t count, RibbonRenderPass &pass);
  // Rotates the current matrix so that +y points along the direction.
  void turnUpTo(const math::Vector3 &direction);
  // The faces of the mask as white triangles, and their edges.
  void drawBoxFaces(const math::Vector3 &center, const math::Vector3 &extents, uint32_t faceMask);
  // A filled quad of corner colours (top-left, bottom-left, top-right,
  // bottom-right).
  void fillQuad(float x, float y, float width, float height, const math::Color *colors,
                bool translucent, int blend);

  uint32_t m_matrixMode = MODEL;
  math::MatrixStack m_stacks[STACK_COUNT];
  uint8_t m_changed[STACK_COUNT] = {1, 1, 1, 1};
  container::Vector<math::Color> m_colorStack;
  math::Color m_color;
  math::Color m_clearColor{0.0f, 0.0f, 0.0f, 1.0f};
  container::Vector<uint32_t> m_depthWriteOverride;
  container::Vector<uint32_t> m_depthTestOverride;
  container::Vector<uint32_t> m_depthFunctionOverride;
  container::Vector<container::Vector<uint32_t>> m_textureStyleOverrides;
  container::Vector<uint32_t> m_blendOverride;
  container::Vector<uint32_t> m_vertexDimensionOverride;
  const Camera *m_camera = nullptr;
  const Camera *m_projectionCamera = nullptr;
  CameraView m_cameraView;
  math::MatrixStack m_scratch;
  // Refilled for every billboard drawn.
  RenderPass *m_billboardPass;
  QuadBatch *m_quadBatch;
  Texture *m_lineTexture = nullptr;
  DrawList *m_drawList;
  RenderList *m_renderList;
  // Made on the first debug drawing.
  DebugMeshes *m_debugMeshes = nullptr;
};

} // namespace video
