// How a block looks: its textured square, the overlay of charge icon, bonus
// number and lightning border, the ice cube, and the textures it needs.

#include "billboard/Billboard3D.h"
#include "engine/Block.h"
#include "engine/BlockGeometry.h"
#include "engine/BoardDrawing.h"
#include "engine/BonusGeometry.h"
#include "engine/CylinderGeometry.h"
#include "engine/Level.h"
#include "file/Database.h"
#include "framework/Framework.h"
#include "math/Color.h"
#include "mesh/Mesh.h"
#include "mesh/MeshDefinition.h"
#include "text/Font.h"
#include "text/FontFactory.h"
#include "texture/Texture.h"
#include "texture/TextureManager.h"
#include "video/Canvas.h"
#include "video/RenderPass.h"

#include <cmath>

namespace {

Symbol singleTexture(unsigned color) {
  static const Symbol names[COLOR_COUNT] = {SYM(L"blockBlueSingle"),    SYM(L"blockGreenSingle"),
                                            SYM(L"blockMagentaSingle"), SYM(L"blockOrangeSingle"),
                                            SYM(L"blockRedSingle"),     SYM(L"blockTealSingle")};
  return color < COLOR_COUNT ? names[color] : Symbol();
}

Symbol bonusTexture(unsigned color) {
  static const Symbol names[COLOR_COUNT] = {SYM(L"blockBonusBlue"),    SYM(L"blockBonusGreen"),
                                            SYM(L"blockBonusMagenta"), SYM(L"blockBonusOrange"),
                                            SYM(L"blockBonusRed"),     SYM(L"blockBonusTeal")};
  return color < COLOR_COUNT ? names[color] : Symbol();
}

Texture *textureNamed(Symbol name) {
  const Database *database = Database::current();
  TextureManager *textures = database ? TextureManager::of(*database) : nullptr;
  return textures ? textures->getTexture(name) : nullptr;
}

// The texts of the small numbers are made once each, so that drawing the
// bonus number allocates nothing.
const String &numberText(unsigned n) {
  static String texts[100];
  static bool made[100] = {};
  if (n >= 100) {
    static String large;
    large = String::toString(n);
    return large;
  }
  if (!made[n]) {
    texts[n] = String::toString(n);
    made[n] = true;
  }
  return texts[n];
}

// One sprite of the level's sprite size at a point.
void drawSprite(video::Canvas &canvas, video::RenderPass &pass, const math::Vector3 &at, float size,
                const math::Color &colour) {
  const float position[2] = {at.x, at.y};
  const math::PackedColor packed(colour);
  const uint8_t colours[4] = {packed.r, packed.g, packed.b, packed.a};
  const float attenuation[3] = {1.0f, 0.0f, 0.0f};
  canvas.drawPoints(position, 1, 2, colours, &size, 1, 1.0f, attenuation, pass);
}

} // namespace

Symbol Block::textureName(unsigned kind, unsigned color) {
  switch (kind) {
  case NORMAL:
    return singleTexture(color);
  case BONUS:
    return bonusTexture(color);
  case UNBREAKABLE:
    return SYM(L"blockUnbreakable");
  case ROUND:
    return SYM(L"blockRoundSingle");
  case STONE:
    return SYM(L"blockStone");
  default:
    return Symbol();
  }
}

Symbol Block::chargeIcon(unsigned charge) {
  static const Symbol icons[noCharge] = {SYM(L"pickupIconBomb"), SYM(L"pickupIconLightning"),
                                         SYM(L"pickupIconStar"), SYM(L"pickupIconFire"),
                                         SYM(L"pickupIconNuclear")};
  return charge < noCharge ? icons[charge] : Symbol();
}

void Block::preloadTextures() {
  const Database *database = Database::current();
  TextureManager *textures = database ? TextureManager::of(*database) : nullptr;
  if (!textures)
    return;
  for (unsigned color = 0; color < COLOR_COUNT; ++color)
    textures->getTexture(singleTexture(color))->load();
  for (unsigned color = 0; color < COLOR_COUNT; ++color)
    textures->getTexture(bonusTexture(color))->load();
  for (Symbol name : {SYM(L"blockUnbreakableSingle"), SYM(L"blockRoundSingle"), SYM(L"blockStone")})
    textures->getTexture(name)->load();
  for (unsigned charge = 0; charge < noCharge; ++charge)
    textures->getTexture(chargeIcon(charge))->load();
}

void Block::rebuildMesh() {
  Billboard3D board(Database::current(), textureName(m_kind, m_color));
  board.settle();
  const float edge = m_kind == BONUS ? 2.0f * cellSize : cellSize;
  float w = board.size.x, h = board.size.y;
  bool centred = board.centered;
  math::Vector2 origin = board.origin();
  math::Vector2 texCoords[4];
  board.getTexCoords(texCoords);
  // Without a texture of known size the square is the edge wide.
  if (!(w > 0.0f) || !(h > 0.0f)) {
    w = h = edge;
    centred = true;
  }
  const math::Vector2 scale(edge / w * 1.1f, edge / h * 1.1f);
  math::Vector2 corners[4];
  if (centred) {
    corners[0] = math::Vector2(-w / 2, h / 2);
    corners[1] = math::Vector2(-w / 2, -h / 2);
    corners[2] = math::Vector2(w / 2, h / 2);
    corners[3] = math::Vector2(w / 2, -h / 2);
  } else {
    corners[0] = math::Vector2(-origin.x, h - origin.y);
    corners[1] = math::Vector2(-origin.x, -origin.y);
    corners[2] = math::Vector2(w - origin.x, h - origin.y);
    corners[3] = math::Vector2(w - origin.x, -origin.y);
  }
  const math::Vector3 c = centre();
  // The strip takes the billboard's corners 0, 1, 3, 2.
  static const int texCorner[4] = {0, 1, 3, 2};
  mesh::MeshDefinition &d = *m_meshDefinition;
  for (uint32_t i = 0; i < 4; ++i) {
    d.position2D(i) = math::Vector2(corners[i].x * scale.x + c.x, corners[i].y * scale.y + c.y);
    d.texCoord(i) = texCoords[texCorner[i]];
  }
  d.part(0).setTexture(board.texture(), 0);
  d.releaseBuffers();
  m_meshDirty = false;
}

void Block::render(video::Canvas &canvas) {
  if (m_dead)
    return;
  if (m_meshDirty)
    rebuildMesh();
  m_mesh->render(canvas);
}

void Block::renderOverlay(video::Canvas &canvas) {
  if (m_dead)
    return;
  const Level &level = *m_owner;
  const math::Vector3 c = centre();
  if (m_charge < noCharge) {
    static video::RenderPass pass;
    pass.lit = false;
    pass.texture = textureNamed(chargeIcon(m_charge));
    const float alpha = 2.0f * m_chargeAge < 1.0f ? 2.0f * m_chargeAge : 1.0f;
    drawSprite(canvas, pass, c, level.spriteSize(), math::Color(1.0f, 1.0f, 1.0f, alpha));
  }
  if (m_kind == BONUS)
    renderBonusNumber(canvas);
  if (m_electrified) {
    static const Symbol frames[3] = {SYM(L"lightningBorder"), SYM(L"lightningBorder02"),
                                     SYM(L"lightningBorder03")};
    const float clock = Framework::exists() ? Framework::instance()->totalTime() : 0.0f;
    const Symbol frame = frames[uint32_t(std::floor(10.0f * clock)) % 3u];
    if (m_kind == BONUS) {
      drawBoard(canvas, frame, c,
                {2.0f * cellSize, 1.5f, math::Color::white, video::BLEND_ADDITIVE});
    } else {
      static video::RenderPass pass;
      pass.lit = false;
      pass.blend = video::BLEND_ADDITIVE;
      pass.texture = textureNamed(frame);
      drawSprite(canvas, pass, c, level.spriteSize(), math::Color::white);
    }
  }
  // The round block's bounce is a skeleton animation, drawn once skeletons
  // are kept by the database.
}

void Block::renderBonusNumber(video::Canvas &canvas) {
  // Fonts have no placeholder: without "font" there is no number.
  const FontFactory *fonts = FontFactory::current();
  const Font *font = fonts ? fonts->font(SYM(L"font")) : nullptr;
  if (!font)
    return;
  const Level &level = *m_owner;
  const bool charged = level.bonusColor() < COLOR_COUNT && level.bonusColor() == m_color;
  const String &text = numberText(charged ? level.bonusCount() + 1 : 2);
  const float width = font->stringWidth(text);
  const float scale = width > 1.5f ? 1.5f / width : 1.0f;
  math::Color colour = colorValue(m_color);
  colour.r *= 0.5f;
  colour.g *= 0.5f;
  colour.b *= 0.5f;
  const math::Vector3 c = centre();
  canvas.pushMatrix();
  canvas.translate(c.x + 0.5f, c.y - 0.3f);
  canvas.scale(scale, scale);
  canvas.pushColor();
  canvas.multiplyColor(colour);
  font->drawString(canvas, text, math::Vector2());
  canvas.popColor();
  canvas.popMatrix();
}

void Block::renderIce(video::Canvas &canvas) {
  if (m_dead || !m_frozen)
    return;
  drawBoard(canvas, SYM(L"iceCube"), centre(), {2.0f * cellSize, 1.2f});
}

void Block::renderGeometry(video::Canvas &canvas) const {
  if (m_kind == ROUND)
    static_cast<const CylinderGeometry *>(m_geometry)->renderGeometry(canvas);
  else
    static_cast<const BlockGeometry *>(m_geometry)->renderGeometry(canvas);
}
