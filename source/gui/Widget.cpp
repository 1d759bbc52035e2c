#include "gui/Widget.h"

#include "animation/AnimationDefinition.h"
#include "error/Log.h"
#include "error/Report.h"
#include "file/Database.h"
#include "gui/Layout.h"
#include "gui/Page.h"
#include "math/Bounds2D.h"
#include "quip/FrameworkManager.h"
#include "quip/Interpreter.h"
#include "quip/ScriptFrame.h"
#include "quip/ScriptManager.h"
#include "video/Canvas.h"
#include "video/Window.h"

#include <algorithm>

namespace GUI {

Widget::Widget() : m_onKeyPress(0), m_onKeyRelease(0) {}

Widget::~Widget() {
  destroyChildren();
  for (animation::AnimationDefinition *animation : m_stateAnimations)
    delete animation;
  for (quip::ScriptFrameTrack *track : m_stateScripts)
    delete track;
  delete m_hitArea;
}

// Tree.

void Widget::addChild(Widget *child) {
  child->m_parent = this;
  m_children.push(child);
}

void Widget::removeChild(Widget *child) {
  for (uint32_t i = 0; i < m_children.size(); ++i) {
    if (m_children[i] != child)
      continue;
    for (uint32_t j = i + 1; j < m_children.size(); ++j)
      m_children[j - 1] = m_children[j];
    m_children.pop();
    onChildRemoved(child);
    delete child;
    return;
  }
  logLine(String(L"Child '") + child->name().text() + L"' not found in widget: '" + m_name.text() +
          L"'");
}

void Widget::destroyChildren() {
  while (!m_children.isEmpty()) {
    Widget *child = m_children.last();
    m_children.pop();
    onChildRemoved(child);
    delete child;
  }
}

// Forwarding walks.

void Widget::databaseWillLoad() {
  for (Widget *child : m_children)
    child->databaseWillLoad();
}
void Widget::databaseDidLoad() {
  for (Widget *child : m_children)
    child->databaseDidLoad();
}
void Widget::databaseDidReload() {
  for (Widget *child : m_children)
    child->databaseDidReload();
}
void Widget::databaseWillReload() {
  for (Widget *child : m_children)
    child->databaseWillReload();
}

void Widget::collectFocusable() {
  if (m_keyboardFocusable && hasPage())
    page()->addFocusable(this);
  for (Widget *child : m_children)
    child->collectFocusable();
}

void Widget::touch() {
  for (Widget *child : m_children)
    child->touch();
}
void Widget::onEnter() {
  for (Widget *child : m_children)
    child->onEnter();
}
void Widget::onActive() {
  for (Widget *child : m_children)
    child->onActive();
}
void Widget::onExit() {
  for (Widget *child : m_children)
    child->onExit();
}
void Widget::onInactive() {
  for (Widget *child : m_children)
    child->onInactive();
}
void Widget::onLayoutApplied() {
  for (Widget *child : m_children)
    child->onLayoutApplied();
}
void Widget::resetPointerState() {
  for (Widget *child : m_children)
    child->resetPointerState();
}

bool Widget::hasPage() const { return m_parent && m_parent->hasPage(); }

Page *Widget::page() const { return m_parent ? m_parent->page() : nullptr; }

Widget *Widget::findWidget(Symbol name) {
  if (m_name == name)
    return this;
  for (Widget *child : m_children)
    if (Widget *found = child->findWidget(name))
      return found;
  return nullptr;
}

bool Widget::isHighlighted() const {
  for (Widget *child : m_children)
    if (child->isHighlighted())
      return true;
  return false;
}

// Coordinates.

math::Vector2 Widget::toScreen(math::Vector2 p) const {
  for (const Widget *w = this; w; w = w->m_parent)
    p += w->m_position;
  return p;
}

math::Vector2 Widget::fromScreen(math::Vector2 p) const {
  for (const Widget *w = this; w; w = w->m_parent)
    p -= w->m_position;
  return p;
}

math::Rectangle Widget::screenRectangle() const {
  math::Rectangle r = m_layoutRect;
  r.translate(toScreen(math::Vector2()));
  return r;
}

math::Rectangle Widget::clipRectangle() const {
  if (m_parent)
    return m_parent->clipRectangle();
  return video::Window::screenRectangle();
}

namespace {
bool inside(const math::Rectangle &r, math::Vector2 p) {
  return p.x >= r.x && p.x <= r.x + r.width && p.y >= r.y && p.y <= r.y + r.height;
}
} // namespace

bool Widget::containsPoint(math::Vector2 screen) const {
  if (!inside(clipRectangle(), screen))
    return false;
  math::Vector2 q = fromScreen(screen);
  if (m_hitArea)
    return m_hitArea->contains(q);
  return inside(hitRectangle(), q);
}

bool Widget::layoutContains(math::Vector2 screen) const {
  if (!inside(clipRectangle(), screen))
    return false;
  math::Vector2 q = fromScreen(screen);
  if (m_hitArea)
    return m_hitArea->contains(q);
  return inside(m_layoutRect, q);
}

math::Rectangle Widget::hitRectangle() const {
  return m_hitArea ? m_hitArea->boundingRectangle() : localRectangle();
}

void Widget::setHitArea(math::Bounds2D *hitArea) {
  if (hitArea == m_hitArea)
    return;
  delete m_hitArea;
  m_hitArea = hitArea;
}

void Widget::setAnimation(int state, animation::AnimationDefinition *animation) {
  if (m_stateAnimations[state] == animation)
    return;
  delete m_stateAnimations[state];
  m_stateAnimations[state] = animation;
}

void Widget::setScriptTrack(int state, quip::ScriptFrameTrack *track) {
  if (m_stateScripts[state] == track)
    return;
  delete m_stateScripts[state];
  m_stateScripts[state] = track;
}

animation::AnimationDefinition *Widget::currentAnimation() const {
  if (!hasPage())
    return nullptr;
  uint32_t state = page()->state();
  return state < 4 ? m_stateAnimations[state] : nullptr;
}

quip::ScriptFrameTrack *Widget::currentScriptTrack() const {
  if (!hasPage())
    return nullptr;
  uint32_t state = page()->state();
  return state < 4 ? m_stateScripts[state] : nullptr;
}

// Queries.

bool Widget::isVisibleInTree() const {
  for (const Widget *w = this; w; w = w->m_parent)
    if (!w->m_visible)
      return false;
  return true;
}

// A widget outside any page has no state to be interactive or drawn in.
bool Widget::isInteractive() const {
  if (!m_visible || isFinished() || !hasPage())
    return false;
  uint32_t state = page()->state();
  return state == Page::ENTER || state == Page::ACTIVE;
}

namespace {
bool wholeTreeCullable(const Widget &w) {
  if (!w.isCullable())
    return false;
  for (Widget *child : w.children())
    if (!wholeTreeCullable(*child))
      return false;
  return true;
}
} // namespace

bool Widget::isCulled() const {
  if (!wholeTreeCullable(*this))
    return false;
  math::Rectangle clip = clipRectangle();
  math::Rectangle box = screenRectangle();
  bool overlaps = clip.x <= box.x + box.width && box.x <= clip.x + clip.width &&
                  clip.y <= box.y + box.height && box.y <= clip.y + clip.height;
  return !overlaps;
}

bool Widget::shouldRender() const {
  if (!m_visible || !hasPage() || page()->state() == Page::INACTIVE)
    return false;
  return !isCulled();
}

// Update and drawing.

void Widget::update(float dt) {
  if (!m_visible)
    return;
  Page *p = page();
  refreshAnimation();
  if (quip::ScriptFrameTrack *track = currentScriptTrack()) {
    float now = p->stateTime();
    track->fire(std::max(0.0f, now - dt), now);
  }
  for (Widget *child : m_children)
    child->update(dt);
}

// The look at the page's state time; identity without an animation.
void Widget::refreshAnimation() {
  if (animation::AnimationDefinition *animation = currentAnimation())
    animation->evaluate(m_animationState, page()->stateTime());
  else
    m_animationState.reset();
}

void Widget::refreshAnimations() {
  refreshAnimation();
  for (Widget *child : m_children)
    child->refreshAnimations();
}

void Widget::beginRender(video::Canvas &canvas, bool &animated) {
  canvas.translate(m_position);
  animated = currentAnimation() != nullptr;
  if (animated)
    canvas.applyAnimationState(m_animationState);
}

void Widget::endRender(video::Canvas &canvas, bool animated) {
  if (animated)
    canvas.unapplyAnimationState(m_animationState);
  canvas.translate(-m_position.x, -m_position.y);
}

void Widget::render(video::Canvas &canvas) {
  if (!shouldRender())
    return;
  bool animated = false;
  beginRender(canvas, animated);
  draw(canvas);
  for (Widget *child : m_children)
    child->render(canvas);
  drawAfterChildren(canvas);
  endRender(canvas, animated);
}

void Widget::renderOverlay(video::Canvas &canvas) {
  if (!shouldRender())
    return;
  bool animated = false;
  beginRender(canvas, animated);
  drawOverlay(canvas);
  for (Widget *child : m_children)
    child->renderOverlay(canvas);
  endRender(canvas, animated);
}

// Layout and scrolling.

void Widget::requestLayout() {
  if (m_parent)
    m_parent->requestLayout();
  else
    applyLayout(*this);
}

Widget *Widget::scrollIntoView(const math::Rectangle &rectangle, bool horizontal, bool vertical) {
  return m_parent ? m_parent->scrollIntoView(rectangle, horizontal, vertical) : nullptr;
}

Widget *Widget::scrollBy(math::Vector2 offset) {
  return m_parent ? m_parent->scrollBy(offset) : nullptr;
}

bool Widget::callNativeMethod(Symbol method) {
  if (method == SYM(L"applyLayout")) {
    applyLayout(*this);
    return true;
  }
  framework::reportError(String(L"Widget native method not handled: ") + method.text());
  return false;
}

// Scripts.

quip::Dictionary Widget::scriptLocals() const {
  quip::Dictionary locals;
  locals.set(SYM(L"this"), quip::Token(m_name, false));
  Symbol pageName = hasPage() ? page()->name() : Symbol::emptySymbol();
  locals.set(SYM(L"page"), quip::Token(pageName, false));
  return locals;
}

quip::Interpreter *Widget::spawnScript(const quip::Array &code) {
  quip::ScriptManager *manager = quip::frameworkManager(Database::current());
  if (!manager)
    return nullptr;
  quip::Interpreter *script = manager->spawn(code);
  script->pushDictionary(scriptLocals());
  return script;
}

void Widget::runScript(const quip::Array &code) {
  if (code.count() == 0)
    return;
  if (quip::Interpreter *script = spawnScript(code))
    script->scriptManager()->finish(script);
}

quip::Interpreter *Widget::spawnScript(Symbol name, const quip::Array &code) {
  quip::ScriptManager *manager = quip::frameworkManager(Database::current());
  if (!manager)
    return nullptr;
  quip::Interpreter *script = manager->spawn(name, code);
  script->pushDictionary(scriptLocals());
  return script;
}

} // namespace GUI
