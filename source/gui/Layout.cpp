#include "gui/Layout.h"

#include "gui/Widget.h"
#include "video/Window.h"

#include <algorithm>

namespace GUI {

namespace {

enum Effective : uint32_t {
  NONE = 0,
  START = 1,
  END = 2,
  CENTRE = 3,
  PACK_START = 4,
  PACK_END = 5
};

uint32_t effective(uint32_t align, uint32_t parentLayout) {
  switch (align) {
  case 1:
    return parentLayout;
  case 2:
    return START;
  case 3:
    return END;
  case 4:
    return CENTRE;
  default:
    return NONE;
  }
}

bool isPacked(uint32_t e) { return e == PACK_START || e == PACK_END; }

void includeX(math::Rectangle &r, float x) {
  if (r.width < 0) {
    r.x += r.width;
    r.width = -r.width;
  }
  if (x < r.x) {
    r.width += r.x - x;
    r.x = x;
  } else if (x > r.x + r.width) {
    r.width = x - r.x;
  }
}

void includeY(math::Rectangle &r, float y) {
  if (r.height < 0) {
    r.y += r.height;
    r.height = -r.height;
  }
  if (y < r.y) {
    r.height += r.y - y;
    r.y = y;
  } else if (y > r.y + r.height) {
    r.height = y - r.y;
  }
}

// One axis of the natural size of the children.
struct Extent {
  float min = 0, max = 0, pack = 0;
  bool have = false;
  uint32_t packed = 0;

  void add(uint32_t e, float start, float size, float offset, float spacing) {
    if (e == NONE) {
      float lo = start + offset, hi = start + size + offset;
      if (!have) {
        min = lo, max = hi, have = true;
      } else {
        min = std::min(min, lo), max = std::max(max, hi);
      }
    } else if (isPacked(e)) {
      pack += size + (packed != 0 ? spacing : 0.0f);
      ++packed;
    } else {
      pack = std::max(pack, size);
    }
  }
};

// The natural extent grown by g along one axis.
void grow(float naturalStart, float naturalSize, float g, float &start, float &size) {
  if (naturalSize > 0) {
    float s = (naturalSize + g) / naturalSize;
    start = s * naturalStart;
    size = s * naturalSize;
  } else {
    start = naturalStart - g / 2;
    size = naturalSize + g;
  }
}

void distributeExpansion(Widget &w) {
  const math::Rectangle &box = w.layoutRect();
  float availW = box.width - 2 * w.hMargin(), availH = box.height - 2 * w.vMargin();
  float remW = availW, remH = availH;
  uint32_t packedX = 0, packedY = 0, expandX = 0, expandY = 0;
  for (Widget *k : w.children()) {
    if (isPacked(effective(k->hAlign(), w.hLayout()))) {
      remW -= k->naturalRect().width;
      ++packedX;
      expandX += k->hExpand() ? 1 : 0;
    }
    if (isPacked(effective(k->vAlign(), w.vLayout()))) {
      remH -= k->naturalRect().height;
      ++packedY;
      expandY += k->vExpand() ? 1 : 0;
    }
  }
  if (packedX > 1)
    remW -= float(packedX - 1) * w.hSpacing();
  if (packedY > 1)
    remH -= float(packedY - 1) * w.vSpacing();
  remW = std::max(remW, 0.0f);
  remH = std::max(remH, 0.0f);
  float extraW = expandX > 0 ? remW / float(expandX) : 0.0f;
  float extraH = expandY > 0 ? remH / float(expandY) : 0.0f;
  for (Widget *k : w.children()) {
    const math::Rectangle &n = k->naturalRect();
    float gW = 0, gH = 0;
    if (k->hExpand())
      gW =
          isPacked(effective(k->hAlign(), w.hLayout())) ? extraW : std::max(availW - n.width, 0.0f);
    if (k->vExpand())
      gH = isPacked(effective(k->vAlign(), w.vLayout())) ? extraH
                                                         : std::max(availH - n.height, 0.0f);
    math::Rectangle r;
    grow(n.x, n.width, gW, r.x, r.width);
    grow(n.y, n.height, gH, r.y, r.height);
    k->setLayoutRect(r);
  }
}

void positionChildren(Widget &w) {
  const math::Rectangle &box = w.layoutRect();
  float left = box.x + w.hMargin(), right = box.x + box.width - w.hMargin();
  float bottom = box.y + w.vMargin(), top = box.y + box.height - w.vMargin();
  float centreX = box.x + 0.5f * box.width, centreY = box.y + 0.5f * box.height;
  float cursorX = w.hLayout() == PACK_END ? right : left;
  float cursorY = w.vLayout() == PACK_END ? bottom : top;
  for (Widget *k : w.children()) {
    math::Rectangle r = k->layoutRect();
    math::Vector2 p = k->position();
    r.translate(p);
    switch (effective(k->hAlign(), w.hLayout())) {
    case START:
      p.x += left - r.x;
      break;
    case END:
      p.x += right - (r.x + r.width);
      break;
    case CENTRE:
      p.x += centreX - (r.x + 0.5f * r.width);
      break;
    case PACK_START:
      p.x += cursorX - r.x;
      cursorX += w.hSpacing() + k->layoutRect().width;
      break;
    case PACK_END:
      p.x += cursorX - (r.x + r.width);
      cursorX -= w.hSpacing() + k->layoutRect().width;
      break;
    default:
      break;
    }
    switch (effective(k->vAlign(), w.vLayout())) {
    case START:
      p.y += top - (r.y + r.height);
      break;
    case END:
      p.y += bottom - r.y;
      break;
    case CENTRE:
      p.y += centreY - (r.y + 0.5f * r.height);
      break;
    case PACK_START:
      p.y += cursorY - (r.y + r.height);
      cursorY -= w.vSpacing() + k->layoutRect().height;
      break;
    case PACK_END:
      p.y += cursorY - r.y;
      cursorY += w.vSpacing() + k->layoutRect().height;
      break;
    default:
      break;
    }
    k->setPosition(p);
  }
}

} // namespace

void measure(Widget &w) {
  for (Widget *child : w.children())
    measure(*child);
  math::Rectangle natural = w.hitRectangle();
  if (w.sizeToChildren() && !w.children().isEmpty()) {
    Extent x, y;
    for (Widget *k : w.children()) {
      const math::Rectangle &c = k->naturalRect();
      math::Vector2 p = k->position();
      x.add(effective(k->hAlign(), w.hLayout()), c.x, c.width, p.x, w.hSpacing());
      y.add(effective(k->vAlign(), w.vLayout()), c.y, c.height, p.y, w.vSpacing());
    }
    if (x.have) {
      includeX(natural, x.min);
      includeX(natural, x.max);
    }
    if (y.have) {
      includeY(natural, y.min);
      includeY(natural, y.max);
    }
    natural.setWidth(std::max(natural.width, x.pack));
    natural.setHeight(std::max(natural.height, y.pack));
  }
  if (natural.width > 0) {
    natural.x -= w.hMargin();
    natural.width += 2 * w.hMargin();
  }
  if (natural.height > 0) {
    natural.y -= w.vMargin();
    natural.height += 2 * w.vMargin();
  }
  w.setNaturalRect(w.adjustNaturalRectangle(natural));
}

void arrange(Widget &w) {
  if (w.children().isEmpty())
    return;
  distributeExpansion(w);
  positionChildren(w);
  for (Widget *child : w.children())
    arrange(*child);
}

void applyLayout(Widget &root) {
  measure(root);
  math::Rectangle box = root.naturalRect();
  if (!root.parent()) {
    math::Vector2 screen = video::Window::screenSize();
    if (root.hExpand())
      box.setWidth(std::max(box.width, screen.x - 2 * root.hMargin()));
    if (root.vExpand())
      box.setHeight(std::max(box.height, screen.y - 2 * root.vMargin()));
  }
  root.setLayoutRect(box);
  arrange(root);
  root.onLayoutApplied();
}

} // namespace GUI
