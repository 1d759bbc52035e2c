// A shape from its script dictionary.

#include "error/Report.h"
#include "quip/Token.h"
#include "shape/Shape.h"
#include "video/ColorValues.h"
#include "video/TextureAccess.h"
#include "video/VertexRenderer.h"

namespace shape {

namespace {

struct Keys {
  Symbol name = Symbol::intern(L"name");
  Symbol vertexPositions = Symbol::intern(L"vertexPositions");
  Symbol vertexColors = Symbol::intern(L"vertexColors");
  Symbol uvs = Symbol::intern(L"uvs");
  Symbol strips = Symbol::intern(L"strips");
  Symbol fans = Symbol::intern(L"fans");
  Symbol corners = Symbol::intern(L"corners");
  Symbol texture = Symbol::intern(L"texture");
  Symbol position = Symbol::intern(L"position");
  Symbol scale = Symbol::intern(L"scale");
  Symbol rotation = Symbol::intern(L"rotation");
  Symbol color = Symbol::intern(L"color");
  Symbol blend = Symbol::intern(L"blend");
  Symbol textureStyle = Symbol::intern(L"textureStyle");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

// The array under the key, or null.
const quip::Array *arrayOf(const quip::Dictionary &d, Symbol key) {
  const quip::Token *token = d.lookupTyped(key, quip::TYPE_ARRAY);
  return token && token->isArray() ? &token->array() : nullptr;
}

// The elements of the array, no more than the vertices: more colours or
// coordinates than vertices would write past them.
uint32_t perVertex(const quip::Array &array, uint32_t vertexCount) {
  return array.count() < vertexCount ? array.count() : vertexCount;
}

// The corners as an index list, or null (with a warning) when one of them
// is no vertex of the shape.
mesh::IndexList *cornerList(const quip::Array &corners, uint32_t primitive, uint32_t vertexCount,
                            Symbol shapeName) {
  for (uint32_t i = 0; i < corners.count(); ++i) {
    const quip::Token &corner = corners[i];
    float value = corner.isNumber() ? corner.number() : -1.0f;
    if (!(value >= 0.0f && value < float(vertexCount) && value < 65536.0f)) {
      framework::reportWarning(__FILE__, __LINE__, __func__,
                               String(L"Shape ") + shapeName.text() + L": corner " +
                                   corner.toReportString() + L" is not one of its " +
                                   String::toString(vertexCount) +
                                   L" vertices; the list is dropped");
      return nullptr;
    }
  }
  auto *list = new mesh::IndexList(primitive);
  list->resize(corners.count());
  for (uint32_t i = 0; i < corners.count(); ++i)
    (*list)[i] = static_cast<unsigned short>(corners[i].number());
  return list;
}

} // namespace

void Shape::readLists(const quip::Dictionary &d, Symbol key, uint32_t primitive,
                      container::Vector<mesh::IndexList *> &lists) {
  const quip::Array *array = arrayOf(d, key);
  if (!array)
    return;
  deleteIndexLists(lists);
  for (uint32_t i = 0; i < array->count(); ++i) {
    const quip::Token &element = (*array)[i];
    if (!element.isDictionary())
      continue;
    const quip::Array *corners = arrayOf(element.dictionary(), keys().corners);
    if (!corners)
      continue;
    if (mesh::IndexList *list = cornerList(*corners, primitive, m_vertexCount, name))
      lists.push(list);
  }
}

void Shape::read(const Database &database, const quip::Dictionary &d) {
  const Keys &k = keys();
  quip::lookupSymbol(d, k.name, quip::TYPE_SYMBOL, name);
  if (const quip::Array *positions = arrayOf(d, k.vertexPositions)) {
    setVertexCount(positions->count());
    for (uint32_t i = 0; i < m_vertexCount; ++i)
      m_positions[i].fromToken((*positions)[i]);
  }
  if (const quip::Array *colors = arrayOf(d, k.vertexColors))
    for (uint32_t i = 0; i < perVertex(*colors, m_vertexCount); ++i)
      video::readColor((*colors)[i], m_colors[i]);
  if (const quip::Array *uvs = arrayOf(d, k.uvs))
    for (uint32_t i = 0; i < perVertex(*uvs, m_vertexCount); ++i)
      m_uvs[i].fromToken((*uvs)[i]);
  readLists(d, k.strips, video::PRIMITIVE_TRIANGLE_STRIP, m_strips);
  readLists(d, k.fans, video::PRIMITIVE_TRIANGLE_FAN, m_fans);
  Symbol keyword;
  if (quip::lookupSymbol(d, k.texture, quip::TYPE_SYMBOL, keyword))
    texture = video::findTexture(database, keyword);
  quip::lookupVector2(d, k.position, quip::TYPE_ARRAY, position);
  quip::lookupVector2(d, k.scale, quip::TYPE_ARRAY, scale);
  if (const quip::Token *token = d.lookupTyped(k.rotation, quip::TYPE_NUMBER))
    token->get(rotation);
  if (const quip::Token *token = d.lookupTyped(k.color, quip::TYPE_ARRAY))
    video::readColor(*token, color);
  // A keyword of no known mode leaves the mode as it was.
  Symbol blendName, styleName;
  if (quip::lookupSymbol(d, k.blend, quip::TYPE_SYMBOL, blendName)) {
    int mode = video::blendFromSymbol(blendName);
    if (mode < video::BLEND_COUNT)
      blend = mode;
  }
  if (quip::lookupSymbol(d, k.textureStyle, quip::TYPE_SYMBOL, styleName))
    textureStyle = video::textureStyleFromSymbol(styleName);
}

} // namespace shape
