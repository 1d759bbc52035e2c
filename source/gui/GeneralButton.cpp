#include "gui/GeneralButton.h"

#include "animation/Node.h"
#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "file/Database.h"
#include "gui/BevelFrame.h"
#include "gui/Page.h"
#include "math/Scalar.h"
#include "texture/Texture.h"
#include "video/Canvas.h"

namespace GUI {

namespace {
const math::Color DARK(0.2f, 0.2f, 0.2f, 1.0f);
const math::Color FACE(0.85f, 0.85f, 0.85f, 1.0f);
const math::Color FACE_OVER(0.95f, 0.95f, 0.95f, 1.0f);
const math::Color FACE_DIMMED(0.65f, 0.65f, 0.65f, 1.0f);

// A billboard of a name from the current database; null for no name.
std::unique_ptr<Billboard2D> billboardNamed(Symbol name) {
  if (name.isEmpty())
    return nullptr;
  return std::make_unique<Billboard2D>(Database::current(), name);
}

void touchTexture(const Billboard2D *billboard) {
  if (billboard && billboard->texture())
    billboard->texture()->load();
}

// Loaded on first use; null for no name or without a store.
animation::Skeleton *skeletonNamed(Symbol name) {
  Database *database = Database::current();
  SkeletonStore *store = name.isEmpty() || !database ? nullptr : SkeletonStore::of(*database);
  return store ? store->skeleton(name) : nullptr;
}

// Grows a union by one part; the first part starts it.
void unite(math::Rectangle &all, bool &any, const math::Rectangle &part) {
  if (any) {
    all.include(part);
  } else {
    all = part;
    any = true;
  }
}
} // namespace

GeneralButton::GeneralButton() = default;
GeneralButton::~GeneralButton() = default;

void GeneralButton::setBillboard(int state, Symbol name) {
  m_billboardNames[state] = name;
  m_billboards[state] = billboardNamed(name);
}

void GeneralButton::setIcon(Symbol name) {
  m_iconName = name;
  m_icon = billboardNamed(name);
}

int GeneralButton::variant(const Symbol *names) const {
  int s = dimmed() ? DIMMED : state();
  return s > IDLE && s <= DIMMED && !names[s].isEmpty() ? s : 0;
}

animation::Skeleton *GeneralButton::stateSkeleton() const {
  return skeletonNamed(m_skeletons[variant(m_skeletons)]);
}

void GeneralButton::update(float dt) {
  Button::update(dt);
  bool inactive = hasPage() && page()->state() == Page::INACTIVE;
  if (!inactive && visible())
    m_skeletonTime += dt;
}

void GeneralButton::drawText(video::Canvas &canvas, text::TextFormat &format, const String &text,
                             math::Vector2 at) {
  math::Color own = format.color;
  if (state() == DOWN)
    format.color = m_downTextColor;
  canvas.pushMatrix();
  canvas.translate(at);
  format.draw(canvas, text);
  canvas.popMatrix();
  format.color = own;
}

void GeneralButton::draw(video::Canvas &canvas) {
  bool down = state() == DOWN;
  if (m_frame) {
    const math::Color &face = dimmed() || state() == DIMMED ? FACE_DIMMED
                              : state() == OVER             ? FACE_OVER
                                                            : FACE;
    canvas.fillRect(layoutRect(), face, 1);
    drawBevelFrame(canvas, layoutRect(), 2.0f, down ? DARK : math::Color::white, face,
                   down ? math::Color::white : DARK, true);
  }

  int shown = variant(m_billboardNames);
  if (m_stretched && !m_billboardNames[shown].isEmpty()) {
    Billboard2D::drawThreeSlice(canvas, Database::current(), m_billboardNames[shown], m_capSize,
                                m_stretchWidth, math::Vector2(), math::Color::white);
  } else if (Billboard2D *billboard = m_billboards[shown].get()) {
    canvas.pushMatrix();
    canvas.scale(m_billboardScale.x, m_billboardScale.y);
    canvas.pushColor();
    canvas.multiplyColor(m_billboardColor);
    billboard->render(canvas);
    canvas.popColor();
    canvas.popMatrix();
  }

  if (animation::Skeleton *posed = stateSkeleton()) {
    posed->animate(m_skeletonTime);
    posed->render(canvas);
  }

  if (m_icon) {
    canvas.pushColor();
    canvas.multiplyColor(m_iconColor);
    m_icon->render(canvas);
    canvas.popColor();
  }

  if (!m_label.isEmpty())
    drawText(canvas, m_labelFormat, m_label, m_textOffset);
  if (!m_subLabel.isEmpty()) {
    float drop = 0.8f * (m_labelFormat.height() + m_subLabelFormat.height());
    drawText(canvas, m_subLabelFormat, m_subLabel,
             math::Vector2(m_textOffset.x, m_textOffset.y - drop));
  }
}

math::Rectangle GeneralButton::localRectangle() const {
  math::Rectangle all;
  bool any = false;
  if (!m_label.isEmpty())
    unite(all, any,
          math::Rectangle(1.5f * m_labelFormat.stringWidth(m_label), 2.0f * m_labelFormat.height(),
                          true));
  if (m_icon)
    unite(all, any, m_icon->boundingRectangle());
  if (m_frame)
    unite(all, any,
          math::Rectangle(float(math::round(m_frameSize.x + 4.0f)),
                          float(math::round(m_frameSize.y + 4.0f)), true));
  if (const Billboard2D *billboard = m_billboards[0].get()) {
    math::Rectangle bounds = billboard->boundingRectangle();
    if (m_stretched) {
      float centre = bounds.x + bounds.width / 2.0f;
      bounds.x = centre - m_stretchWidth / 2.0f;
      bounds.width = m_stretchWidth;
    } else {
      bounds.scale(m_billboardScale);
    }
    unite(all, any, bounds);
  }
  if (animation::Skeleton *posed = stateSkeleton())
    unite(all, any, posed->root().bounds());
  return all;
}

void GeneralButton::touch() {
  Button::touch();
  for (const auto &billboard : m_billboards)
    touchTexture(billboard.get());
  touchTexture(m_icon.get());
  for (Symbol name : m_skeletons)
    skeletonNamed(name);
}

} // namespace GUI
