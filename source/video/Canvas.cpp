#include "video/Canvas.h"

#include "error/Assert.h"
#include "math/Scalar.h"
#include "math/Transform.h"
#include "math/TransformDefinition.h"
#include "video/AnimationState.h"
#include "video/ClipPlane.h"
#include "video/DebugMeshes.h"
#include "video/DisplayHost.h"
#include "video/DrawList.h"
#include "video/Light.h"
#include "video/QuadBatch.h"
#include "video/RenderList.h"
#include "video/RenderPass.h"
#include "video/RenderState.h"
#include "video/Window.h"

namespace video {

namespace {

Canvas *theCanvas = nullptr;

const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);
const math::Vector3 screenAxis(0.0f, 0.0f, -1.0f);

} // namespace

Canvas::Canvas()
    : m_billboardPass(new RenderPass), m_quadBatch(new QuadBatch(1000)), m_drawList(new DrawList),
      m_renderList(new RenderList) {
  for (math::MatrixStack &stack : m_stacks)
    stack.push();
  m_scratch.push();
}

Canvas::~Canvas() {
  delete m_debugMeshes;
  delete m_renderList;
  delete m_drawList;
  delete m_quadBatch;
  delete m_billboardPass;
}

Canvas *Canvas::instance() { return theCanvas; }
void Canvas::setInstance(Canvas *canvas) { theCanvas = canvas; }
bool Canvas::exists() { return theCanvas != nullptr; }

void Canvas::destroyInstance() {
  Canvas *canvas = theCanvas;
  theCanvas = nullptr;
  delete canvas;
}

bool Canvas::beginFrame() {
  Window *window = Window::instance();
  if ((window && window->iconified()) || DisplayHost::instance().framesSuspended())
    return false;
  m_quadBatch->reset();
  return true;
}

void Canvas::flush() { m_quadBatch->flush(*this); }

void Canvas::setScreenProjection(float width, float height) {
  flush();
  math::Matrix4 projection;
  projection.setOrthographic(width, height, -10000.0f, 10000.0f);
  loadMatrix(projection, PROJECTION);
  float angle = orientationAngle(DisplayHost::instance().orientation());
  if (angle != 0.0f)
    m_stacks[PROJECTION].preRotate(screenAxis, angle);
  loadMatrix(math::Matrix4(), VIEW);
  m_stacks[VIEW].translate(-width / 2.0f, -height / 2.0f, 0.0f);
  renderState().setPerspective(false);
}

void Canvas::setCamera(const Camera *camera, const CameraView &view) {
  m_camera = camera;
  flush();
  m_cameraView = view;
  loadMatrix(view.projection, PROJECTION);
  loadMatrix(view.view, VIEW);
  renderState().setPerspective(view.perspective);
}

void Canvas::clearCamera() {
  flush();
  m_camera = nullptr;
}

void Canvas::enableLight(Light &light) {
  flush();
  applyMatrices();
  renderState().enableLight(light);
}

void Canvas::disableLight(const Light &light) {
  flush();
  renderState().disableLight(light);
}

void Canvas::enableClipPlane(const scene::ClipPlane &plane) {
  flush();
  float coefficients[4];
  plane.getPlane(coefficients);
  enableClipPlane(plane.index(), coefficients);
}

void Canvas::disableClipPlane(const scene::ClipPlane &plane) {
  flush();
  disableClipPlane(plane.index());
}

// Matrices.

void Canvas::setMatrixMode(int stack) {
  flush();
  if (stack >= 0 && stack < STACK_COUNT)
    m_matrixMode = uint32_t(stack);
}

math::MatrixStack &Canvas::currentMatrixStack() {
  m_changed[m_matrixMode] = 1;
  return m_stacks[m_matrixMode];
}

void Canvas::pushMatrix() { currentMatrixStack().push(); }
void Canvas::popMatrix() {
  CORVANE_ASSERT(m_stacks[m_matrixMode].size() > 0);
  currentMatrixStack().pop();
}

void Canvas::translate(float x, float y, float z) { currentMatrixStack().translate(x, y, z); }
void Canvas::scale(float x, float y, float z) { currentMatrixStack().scale(x, y, z); }

void Canvas::rotate(float degrees, float x, float y, float z) {
  if (degrees != 0.0f)
    currentMatrixStack().rotate(math::Vector3(x, y, z), degrees);
}

void Canvas::loadIdentity() { currentMatrixStack().loadIdentity(); }

const math::Matrix4 &Canvas::matrix(int stack) const { return m_stacks[stack].top(); }

void Canvas::loadMatrix(const math::Matrix4 &m, int stack) {
  m_stacks[stack].load(m);
  m_changed[stack] = 1;
}

void Canvas::multiplyMatrix(const math::Matrix4 &m, int stack) {
  m_changed[stack] = 1;
  m_stacks[stack].multiply(m);
}

void Canvas::resetMatrices() {
  flush();
  for (int i = 0; i < STACK_COUNT; ++i) {
    m_stacks[i].reset();
    m_stacks[i].push();
    m_changed[i] = 1;
  }
}

void Canvas::applyPlacement(const math::TransformDefinition &placement) {
  const math::Vector3 &t = placement.translation;
  if (t.x != 0.0f || t.y != 0.0f || t.z != 0.0f)
    translate(t);
  if (placement.angle != 0.0f)
    rotate(placement.angle, placement.axis.x, placement.axis.y, placement.axis.z);
  float s = placement.scale;
  scale(placement.flipX ? -s : s, placement.flipY ? -s : s, placement.flipZ ? -s : s);
}

void Canvas::applyTransform(const math::Transform &transform) {
  const math::Vector3 &t = transform.translation;
  if (t.x != 0.0f || t.y != 0.0f || t.z != 0.0f)
    translate(t);
  float angle = transform.angle();
  if (angle != 0.0f) {
    const math::Vector3 &axis = transform.axis();
    rotate(angle, axis.x, axis.y, axis.z);
  }
}

void Canvas::applyInverseTransform(const math::Transform &transform) {
  float angle = transform.angle();
  if (angle != 0.0f) {
    const math::Vector3 &axis = transform.axis();
    rotate(-angle, axis.x, axis.y, axis.z);
  }
  const math::Vector3 &t = transform.translation;
  if (t.x != 0.0f || t.y != 0.0f || t.z != 0.0f)
    translate(-t.x, -t.y, -t.z);
}

void Canvas::snapTranslation() {
  math::Matrix4 m = m_stacks[MODEL].top();
  m.m[3] = float(math::round(m.m[3]));
  m.m[7] = float(math::round(m.m[7]));
  m.m[11] = float(math::round(m.m[11]));
  loadMatrix(m, MODEL);
}

// Colours.

void Canvas::setColor(const math::Color &color) {
  m_color = color;
  if (!m_colorStack.isEmpty())
    m_color *= m_colorStack.last();
  m_color.clamp();
}

math::Color &Canvas::multiplyColor(const math::Color &color) {
  CORVANE_ASSERT(!m_colorStack.isEmpty());
  m_colorStack.last() *= color;
  return m_colorStack.last();
}

void Canvas::pushColor() {
  m_colorStack.push(m_colorStack.isEmpty() ? white : m_colorStack.last());
}

void Canvas::popColor() {
  CORVANE_ASSERT(!m_colorStack.isEmpty());
  m_colorStack.pop();
  setColor(white);
}

const math::Color &Canvas::colorStackTop() const {
  return m_colorStack.isEmpty() ? white : m_colorStack.last();
}

bool Canvas::colorStackTopOpaque() const {
  return m_colorStack.isEmpty() || m_colorStack.last().a == 1.0f;
}

void Canvas::resetColorTop() {
  CORVANE_ASSERT(!m_colorStack.isEmpty());
  m_colorStack.last() = white;
}

void Canvas::setClearColor(const math::Color &color) {
  if (color == m_clearColor)
    return;
  m_clearColor = color;
  applyClearColor();
}

// Overrides.

bool Canvas::effectiveDepthWrite(bool requested) const {
  return m_depthWriteOverride.isEmpty() ? requested : m_depthWriteOverride.last() != 0;
}

bool Canvas::effectiveDepthTest(bool requested) const {
  return m_depthTestOverride.isEmpty() ? requested : m_depthTestOverride.last() != 0;
}

int Canvas::effectiveDepthFunction(int requested) const {
  return m_depthFunctionOverride.isEmpty() ? requested : int(m_depthFunctionOverride.last());
}

int Canvas::effectiveBlendMode(int requested) const {
  return m_blendOverride.isEmpty() ? requested : int(m_blendOverride.last());
}

bool Canvas::hasTextureStyleOverride(int unit) const {
  return unit >= 0 && uint32_t(unit) < m_textureStyleOverrides.size() &&
         !m_textureStyleOverrides[unit].isEmpty();
}

uint32_t Canvas::effectiveTextureStyle(uint32_t requested, int unit) const {
  return hasTextureStyleOverride(unit) ? m_textureStyleOverrides[unit].last() : requested;
}

void Canvas::pushTextureStyleOverride(uint32_t word, int unit) {
  if (unit < 0)
    return;
  while (m_textureStyleOverrides.size() < uint32_t(unit) + 1)
    m_textureStyleOverrides.push(container::Vector<uint32_t>());
  m_textureStyleOverrides[unit].push(word);
}

void Canvas::popTextureStyleOverride(int unit) {
  if (hasTextureStyleOverride(unit))
    m_textureStyleOverrides[unit].pop();
}

bool Canvas::is2D() const {
  return !m_vertexDimensionOverride.isEmpty() && m_vertexDimensionOverride.last() != 0;
}

// Render-state wrappers.

void Canvas::setDepthWrite(bool on) {
  flush();
  renderState().setDepthWrite(effectiveDepthWrite(on));
}

void Canvas::setDepthTest(bool on) {
  flush();
  renderState().setDepthTest(effectiveDepthTest(on));
}

void Canvas::setDepthFunction(int function) {
  flush();
  renderState().setDepthFunction(effectiveDepthFunction(function));
}

void Canvas::setBlendMode(int mode) {
  int effective = effectiveBlendMode(mode);
  if (effective != m_quadBatch->state().blendMode)
    flush();
  renderState().setBlendMode(effective);
}

void Canvas::setTextureStyle(uint32_t word, int unit) {
  uint32_t effective = effectiveTextureStyle(word, unit);
  if (unit != 0 || effective != m_quadBatch->state().textureStyle)
    flush();
  renderState().setTextureStyle(effective, unit);
}

void Canvas::setAlphaTest(bool on) {
  flush();
  renderState().setAlphaTest(on);
}

void Canvas::setAlphaFunction(int function, float reference) {
  flush();
  renderState().setAlphaFunction(function, reference);
}

void Canvas::setStencilTest(bool on) {
  flush();
  renderState().setStencilTest(on);
}

void Canvas::setStencilFunction(int function, int reference, uint32_t mask) {
  flush();
  renderState().setStencilFunction(function, reference, mask);
}

void Canvas::setStencilOperation(int fail, int depthFail, int pass) {
  flush();
  renderState().setStencilOperation(fail, depthFail, pass);
}

void Canvas::setCulling(bool on) {
  flush();
  renderState().setCulling(on);
}

void Canvas::setCullMode(int mode) {
  flush();
  renderState().setCullMode(mode);
}

void Canvas::setTextureEnvColor(const math::Color &color) {
  flush();
  renderState().setTextureEnvColor(color);
}

const math::Color &Canvas::textureEnvColor() const { return renderState().textureEnvColor(); }

bool Canvas::shapeMode() const { return renderState().shapeMode(); }

void Canvas::setShapeMode(bool on) {
  flush();
  renderState().setShapeMode(on);
}

// Render passes and animation states.

void Canvas::applyRenderPass(RenderPass &pass) {
  flush();
  RenderState &state = renderState();
  state.setLighting(pass.lit);
  state.setCulling(pass.cull);
  state.setBlending(pass.needsBlending());
  state.setTexture(pass.texture, 0);
  state.setAlphaTest(pass.alphaTest);
  state.setAlphaFunction(pass.alphaFunction, pass.alphaReference);
  state.setDepthTest(effectiveDepthTest(pass.depthTest));
  state.setDepthWrite(effectiveDepthWrite(pass.depthWrite));
  state.setDepthFunction(effectiveDepthFunction(pass.depthFunction));
  state.setTextureStyle(effectiveTextureStyle(pass.textureStyle, 0), 0);
  state.setBlendMode(effectiveBlendMode(pass.blend));
  pushColor();
  multiplyColor(pass.color);
  setColor(white);
  if (pass.textureAnimation()) {
    int previous = matrixMode();
    setMatrixMode(TEXTURE);
    applyAnimationState(pass.animationState);
    setMatrixMode(previous);
    state.setTextureMatrix(true);
  } else {
    state.setTextureMatrix(false);
  }
}

void Canvas::releaseRenderPass(RenderPass &pass) {
  flush();
  if (pass.textureAnimation()) {
    int previous = matrixMode();
    setMatrixMode(TEXTURE);
    unapplyAnimationState(pass.animationState);
    setMatrixMode(previous);
  }
  popColor();
  RenderState &state = renderState();
  state.setAlphaTest(false);
  state.setTextureStyle(effectiveTextureStyle(textureStyle::NORMAL, 0), 0);
}

namespace {

bool movesOrTurns(const animation::AnimationState &s) {
  return s.translation.x != 0.0f || s.translation.y != 0.0f || s.rotation != 0.0f ||
         s.scale.x != 1.0f || s.scale.y != 1.0f;
}

} // namespace

void Canvas::applyAnimationState(const animation::AnimationState &state) {
  if (!(state.color == white)) {
    pushColor();
    multiplyColor(state.color);
  }
  bool pushed = false;
  auto pushOnce = [&] {
    if (!pushed)
      pushMatrix();
    pushed = true;
  };
  if (state.translation.x != 0.0f || state.translation.y != 0.0f) {
    pushOnce();
    translate(state.translation);
  }
  if (state.rotation != 0.0f) {
    pushOnce();
    rotate(state.rotation, 0.0f, 0.0f, -1.0f);
  }
  if (state.scale.x != 1.0f || state.scale.y != 1.0f) {
    pushOnce();
    scale(state.scale.x, state.scale.y, 1.0f);
  }
}

void Canvas::unapplyAnimationState(const animation::AnimationState &state) {
  if (!(state.color == white))
    popColor();
  if (movesOrTurns(state))
    popMatrix();
}

void Canvas::addToRenderList(LateRenderable *item) { m_renderList->insert(item); }

void Canvas::renderRenderList() { m_renderList->render(*this); }

void Canvas::clearRenderList() { m_renderList->clear(); }

void Canvas::resetRenderState() { renderState().reset(); }

void Canvas::flushAndApplyMatrices() {
  flush();
  applyMatrices();
}

// The quad batch's state around its draw.

void Canvas::applyBatchState(QuadBatch &batch) {
  RenderState &state = renderState();
  const QuadBatch::State &s = batch.state();
  state.setLighting(s.lit);
  state.setCulling(s.cull);
  state.setTexture(s.texture, 0);
  state.setAlphaTest(s.alphaTest);
  state.setAlphaFunction(s.alphaFunction, s.alphaReference);
  state.setDepthWrite(s.depthWrite);
  state.setDepthTest(s.depthTest);
  state.setDepthFunction(s.depthFunction);
  state.setTextureStyle(s.textureStyle, 0);
  state.setBlendMode(s.blendMode);
  state.setBlending(s.blending);
  state.setShadeModel(SHADE_SMOOTH);
  m_stacks[MODEL].push();
  m_stacks[MODEL].loadIdentity();
  m_changed[MODEL] = 1;
  applyMatrices();
}

void Canvas::releaseBatchState(QuadBatch &) {
  m_stacks[MODEL].pop();
  m_changed[MODEL] = 1;
  RenderState &state = renderState();
  state.setAlphaTest(false);
  state.setTextureStyle(effectiveTextureStyle(textureStyle::NORMAL, 0), 0);
}

} // namespace video
