#pragma once
// The base of every on-screen control and of every page: a node of a tree
// that owns its children. Updates, drawing, events and layout all walk the
// tree from the page at its root down.

#include "container/Vector.h"
#include "gui/DatabaseListener.h"
#include "input/EventHandler.h"
#include "math/Rectangle.h"
#include "math/Vector2.h"
#include "quip/Array.h"
#include "quip/Dictionary.h"
#include "video/AnimationState.h"
#include "video/Renderable.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace animation {
class AnimationDefinition;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file
namespace math {
class Bounds2D;
}
namespace quip {
class Interpreter;
class ScriptFrameTrack;
} // namespace quip
namespace framework {
struct InputEvent;
}

namespace GUI {

class Page;

class Widget : public video::RenderableObject,
               public framework::EventHandler,
               public DatabaseListener {
public:
  Widget();
  Widget(const Widget &) = delete;
  Widget &operator=(const Widget &) = delete;
  ~Widget() override;

  void update(float dt) override;
  void render(video::Canvas &canvas) override;
  bool isFinished() const override { return video::RenderableObject::isFinished(); }
  void finish() override { video::RenderableObject::finish(); }
  void databaseWillLoad() override;
  void databaseDidLoad() override;
  void databaseDidReload() override;
  void databaseWillReload() override;
  virtual void collectFocusable();
  virtual void touch();
  virtual void onEnter();
  virtual void onActive();
  virtual void onExit();
  virtual void onInactive();
  virtual void onLayoutApplied();
  virtual bool hasPage() const;
  virtual Page *page() const;
  virtual Widget *findWidget(Symbol name);
  virtual bool isHighlighted() const;
  virtual void onFocusGained() {}
  virtual void refreshPointerState() {}
  virtual void onFocusLost() {}
  virtual void resetPointerState();
  virtual math::Vector2 toScreen(math::Vector2 p) const;
  virtual math::Vector2 fromScreen(math::Vector2 p) const;
  virtual void setVisible(bool visible) { m_visible = visible; }
  virtual bool containsPoint(math::Vector2 screen) const;
  virtual bool layoutContains(math::Vector2 screen) const;
  virtual math::Rectangle localRectangle() const { return math::Rectangle(); }
  virtual math::Rectangle screenRectangle() const;
  virtual void requestLayout();
  // Only the scrolled window answers these two.
  virtual Widget *scrollIntoView(const math::Rectangle &rectangle, bool horizontal, bool vertical);
  virtual Widget *scrollBy(math::Vector2 offset);
  virtual bool callNativeMethod(Symbol method);
  bool handleEvent(const framework::InputEvent &event) override;
  virtual bool onPointerDown(const framework::InputEvent &) { return false; }
  virtual bool onPointerUp(const framework::InputEvent &) { return false; }
  virtual bool onPointerMove(const framework::InputEvent &) { return false; }
  virtual bool onCharacter(const framework::InputEvent &) { return false; }
  virtual bool onKeyPress(const framework::InputEvent &event);
  virtual bool onKeyRelease(const framework::InputEvent &event);
  virtual void serialize(file::ByteReceiver &out) const;
  virtual void deserialize(file::ByteProducer &in);
  virtual void load(const quip::Dictionary &dictionary);
  virtual void write(quip::Dictionary &dictionary) const;
  virtual void createDefaultChildren() {}
  virtual bool handleOwnEvent(const framework::InputEvent &event);
  virtual bool isCullable() const { return true; }
  virtual math::Rectangle clipRectangle() const;
  virtual void draw(video::Canvas &) {}
  virtual void drawAfterChildren(video::Canvas &) {}
  virtual void drawOverlay(video::Canvas &) {}
  virtual void onChildRemoved(Widget *) {}
  virtual math::Rectangle adjustNaturalRectangle(math::Rectangle rectangle) const {
    return rectangle;
  }

  // Tree.
  void addChild(Widget *child);
  void removeChild(Widget *child);
  void destroyChildren();
  Widget *parent() const { return m_parent; }
  const container::Vector<Widget *> &children() const { return m_children; }

  Symbol name() const { return m_name; }
  void setName(Symbol name) { m_name = name; }
  math::Vector2 position() const { return m_position; }
  void setPosition(math::Vector2 position) { m_position = position; }
  bool visible() const { return m_visible; }
  bool keyboardFocusable() const { return m_keyboardFocusable; }
  void setKeyboardFocusable(bool focusable) { m_keyboardFocusable = focusable; }
  const animation::AnimationState &animationState() const { return m_animationState; }
  // Owned; replaces (and deletes) the state's previous track.
  void setScriptTrack(int state, quip::ScriptFrameTrack *track);
  quip::ScriptFrameTrack *scriptTrack(int state) const { return m_stateScripts[state]; }
  // Owned; replaces (and deletes) the state's previous animation.
  void setAnimation(int state, animation::AnimationDefinition *animation);
  animation::AnimationDefinition *animation(int state) const { return m_stateAnimations[state]; }
  animation::AnimationDefinition *currentAnimation() const;
  quip::ScriptFrameTrack *currentScriptTrack() const;
  void setHitArea(math::Bounds2D *hitArea);
  math::Bounds2D *hitArea() const { return m_hitArea; }
  math::Rectangle hitRectangle() const;
  const quip::Array &keyPressCode() const { return m_onKeyPress; }
  void setKeyPressCode(const quip::Array &code) { m_onKeyPress = code; }
  void setKeyReleaseCode(const quip::Array &code) { m_onKeyRelease = code; }

  bool isVisibleInTree() const;
  bool isInteractive() const;
  bool isCulled() const;
  bool shouldRender() const;
  // The state animations of this widget and every descendant, evaluated now.
  void refreshAnimations();
  void renderOverlay(video::Canvas &canvas);

  // Layout fields.
  uint32_t hAlign() const { return m_hAlign; }
  uint32_t vAlign() const { return m_vAlign; }
  uint32_t hLayout() const { return m_hLayout; }
  uint32_t vLayout() const { return m_vLayout; }
  bool hExpand() const { return m_hExpand; }
  bool vExpand() const { return m_vExpand; }
  float hSpacing() const { return m_hSpacing; }
  float vSpacing() const { return m_vSpacing; }
  float hMargin() const { return m_hMargin; }
  float vMargin() const { return m_vMargin; }
  void setAlign(uint32_t h, uint32_t v) { m_hAlign = h, m_vAlign = v; }
  void setLayout(uint32_t h, uint32_t v) { m_hLayout = h, m_vLayout = v; }
  void setExpand(bool h, bool v) { m_hExpand = h, m_vExpand = v; }
  void setSpacing(float h, float v) { m_hSpacing = h, m_vSpacing = v; }
  void setMargin(float h, float v) { m_hMargin = h, m_vMargin = v; }
  void setHAlign(uint32_t v) { m_hAlign = v; }
  void setVAlign(uint32_t v) { m_vAlign = v; }
  void setHLayout(uint32_t v) { m_hLayout = v; }
  void setVLayout(uint32_t v) { m_vLayout = v; }
  void setHExpand(bool v) { m_hExpand = v; }
  void setVExpand(bool v) { m_vExpand = v; }
  void setHSpacing(float v) { m_hSpacing = v; }
  void setVSpacing(float v) { m_vSpacing = v; }
  void setHMargin(float v) { m_hMargin = v; }
  void setVMargin(float v) { m_vMargin = v; }
  const math::Rectangle &naturalRect() const { return m_naturalRect; }
  const math::Rectangle &layoutRect() const { return m_layoutRect; }
  void setNaturalRect(const math::Rectangle &r) { m_naturalRect = r; }
  void setLayoutRect(const math::Rectangle &r) { m_layoutRect = r; }
  bool sizeToChildren() const { return m_sizeToChildren; }
  void setSizeToChildren(bool v) { m_sizeToChildren = v; }

  // Scripts: on the "framework" manager, with "this" and "page" as locals.
  quip::Interpreter *spawnScript(const quip::Array &code);
  quip::Interpreter *spawnScript(Symbol name, const quip::Array &code);
  quip::Dictionary scriptLocals() const;
  // Unnamed, run to its end at once; nothing for empty code.
  void runScript(const quip::Array &code);

  // In the font "fontSystem" over a white box below the widget, kept inside
  // the screen; nothing without that font.
  void drawTooltip(video::Canvas &canvas, const String &text);

protected:
  // Makes this the parent of a widget it owns apart from its children (and
  // draws itself), so that the widget finds its page.
  void adopt(Widget *part) { part->m_parent = this; }
  bool runKeyCode(const quip::Array &code, const framework::InputEvent &event);
  // Each child's handleEvent from the last to the first, up to one that
  // consumes the event.
  bool routeToChildren(const framework::InputEvent &event);
  void beginRender(video::Canvas &canvas, bool &animated);
  void endRender(video::Canvas &canvas, bool animated);

private:
  void refreshAnimation();
  void loadChildren(const quip::Array &names);

  Symbol m_name;
  Widget *m_parent = nullptr;
  container::Vector<Widget *> m_children;
  math::Vector2 m_position;
  bool m_visible = true;
  bool m_keyboardFocusable = false;
  animation::AnimationState m_animationState;
  animation::AnimationDefinition *m_stateAnimations[4] = {};
  quip::ScriptFrameTrack *m_stateScripts[4] = {};
  math::Bounds2D *m_hitArea = nullptr;
  quip::Array m_onKeyPress;
  quip::Array m_onKeyRelease;
  uint32_t m_hAlign = 1, m_vAlign = 1;
  uint32_t m_hLayout = 0, m_vLayout = 0;
  bool m_hExpand = false, m_vExpand = false;
  float m_hSpacing = 0, m_vSpacing = 0;
  float m_hMargin = 0, m_vMargin = 0;
  math::Rectangle m_naturalRect;
  math::Rectangle m_layoutRect;
  bool m_sizeToChildren = true;
};

} // namespace GUI
