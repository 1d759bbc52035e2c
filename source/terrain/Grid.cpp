#include "terrain/Grid.h"

#include "math/Scalar.h"
#include "video/BufferObject.h"
#include "video/Canvas.h"
#include "video/RenderKeywords.h"

#include <algorithm>

namespace terrain {

namespace {

const math::Color white(1.0f, 1.0f, 1.0f, 1.0f);

math::Color mix(const math::Color &a, const math::Color &b, float t) {
  return math::Color(a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                     a.a + (b.a - a.a) * t);
}

// A later layer's colour c over the result so far d, by the layer's blend.
math::Color combine(const math::Color &d, const math::Color &c, int blend) {
  float a = c.a;
  math::Color out;
  switch (blend) {
  case video::BLEND_SOURCE_ONLY:
    out = c;
    break;
  case video::BLEND_NORMAL:
    out = math::Color(d.r * (1 - a) + c.r * a, d.g * (1 - a) + c.g * a, d.b * (1 - a) + c.b * a,
                      a + d.a * (1 - a));
    break;
  case video::BLEND_PREMULTIPLIED:
    out = math::Color(c.r + d.r * (1 - a), c.g + d.g * (1 - a), c.b + d.b * (1 - a),
                      a + d.a * (1 - a));
    break;
  case video::BLEND_ADDITIVE:
    out = math::Color(d.r + c.r * a, d.g + c.g * a, d.b + c.b * a, d.a + a);
    break;
  case video::BLEND_MODULATE:
    out = math::Color(d.r * c.r, d.g * c.g, d.b * c.b, d.a);
    break;
  default: // accumulate
    out = math::Color(d.r + c.r, d.g + c.g, d.b + c.b, d.a + a);
    break;
  }
  out.clamp();
  return out;
}

void fillBuffer(video::BufferObject *&buffer, video::BufferObject::Target target, const void *data,
                size_t bytes, bool force) {
  if (!buffer)
    buffer = video::BufferObjectPool::instance().create();
  if (force || buffer->name() == 0)
    buffer->fill(target, data, bytes);
}

template <typename T> void deleteAll(container::Vector<T *> &list) {
  for (T *item : list)
    delete item;
  list.clear();
}

} // namespace

Grid::~Grid() {
  deleteAll(m_layers);
  deleteAll(m_decorations);
  delete m_surfLine;
  delete m_coastline;
  delete m_heightMap;
}

void Grid::setHeightMap(HeightMap *map) {
  if (map != m_heightMap)
    delete m_heightMap;
  m_heightMap = map;
  if (m_heightMap && !m_heightMap->verticesCurrent())
    rebuildMap();
  uint32_t vertices = rows() * columns();
  for (Layer *layer : m_layers) {
    layer->colors.clear();
    for (uint32_t i = 0; i < vertices; ++i)
      layer->colors.push(white);
  }
  uint32_t cells = rows() > 1 && columns() > 1 ? (rows() - 1) * (columns() - 1) : 0u;
  decorationMask.clear();
  for (uint32_t i = 0; i < cells; ++i)
    decorationMask.push(0xFF);
  m_dirty = true;
}

void Grid::rebuildMap() {
  m_heightMap->rebuildVertices();
  m_heightMap->rebuildAll();
}

Layer &Grid::addLayer() {
  Layer *layer = new Layer(*this);
  for (uint32_t i = 0, n = rows() * columns(); i < n; ++i)
    layer->colors.push(white);
  m_layers.push(layer);
  m_dirty = true;
  return *layer;
}

Decoration &Grid::addDecoration() {
  Decoration *decoration = new Decoration(*this);
  m_decorations.push(decoration);
  return *decoration;
}

SurfLine &Grid::createSurfLine() {
  delete m_surfLine;
  m_surfLine = new SurfLine;
  return *m_surfLine;
}

void Grid::removeSurfLine() {
  delete m_surfLine;
  m_surfLine = nullptr;
}

Coastline &Grid::createCoastline() {
  delete m_coastline;
  m_coastline = new Coastline;
  return *m_coastline;
}

void Grid::setWaterLevel(float level) {
  if (level != m_waterLevel)
    m_dirty = true;
  m_waterLevel = level;
}

void Grid::render(video::Canvas &canvas) {
  canvas.drawTerrain(*this, 1);
  if (m_coastline)
    canvas.drawTerrainStrip(*this);
  canvas.addToRenderList(this);
  if (m_surfLine)
    canvas.drawTerrainRibbons(*this);
}

void Grid::visit(video::Canvas &canvas) {
  for (uint32_t i = 0; i < m_decorations.size(); ++i)
    m_decorations[i]->draw(canvas, int(i));
}

void Grid::refreshStrip() {
  if (m_coastline)
    m_coastline->upload(false);
}

void Grid::prepareLayers() {
  if (!m_heightMap || rows() < 2 || columns() < 2)
    return;
  if (!m_heightMap->verticesCurrent()) {
    rebuildMap();
    m_dirty = true;
  }
  if (m_dirty)
    classifyCells();
  if (m_coastline)
    m_coastline->upload(m_dirty);
  for (Layer *layer : m_layers)
    buildLayer(*layer);
  m_dirty = false;
}

void Grid::classifyCells() {
  uint32_t cellColumns = columns() - 1, cellCount = (rows() - 1) * cellColumns;
  for (Layer *layer : m_layers) {
    layer->cellFlags.clear();
    for (uint32_t i = 0; i < cellCount; ++i)
      layer->cellFlags.push(0);
  }
  for (uint32_t r = 0; r + 1 < rows(); ++r)
    for (uint32_t c = 0; c < cellColumns; ++c) {
      const uint32_t corners[4][2] = {{r, c}, {r + 1, c}, {r, c + 1}, {r + 1, c + 1}};
      bool dry = true, submerged = true;
      for (const uint32_t *k : corners) {
        float h = m_heightMap->vertex(int(k[0]), int(k[1])).y;
        dry = dry && h >= m_waterLevel;
        submerged = submerged && h <= m_waterLevel;
      }
      bool covered = false;
      for (uint32_t l = m_layers.size(); l-- > 0;) {
        Layer &layer = *m_layers[l];
        uint8_t flags = uint8_t((covered ? CELL_COVERED : 0) | (dry ? CELL_DRY : 0) |
                                (submerged ? CELL_SUBMERGED : 0));
        bool opaque = layer.renderPass.drawsOpaque();
        bool invisible = true;
        for (const uint32_t *k : corners) {
          float alpha = layer.colors[k[0] * columns() + k[1]].a;
          opaque = opaque && alpha >= 1.0f;
          invisible = invisible && alpha == 0.0f;
        }
        if (invisible)
          flags |= CELL_INVISIBLE;
        layer.cellFlags[r * cellColumns + c] = flags;
        covered = covered || opaque;
      }
    }
}

void Grid::buildLayer(Layer &layer) {
  video::TerrainLayerBuffers &b = layer.buffers;
  bool haveBuffers = b.positions && b.positions->name() && b.colors && b.colors->name() &&
                     b.coordinates && b.coordinates->name();
  if (!m_dirty && haveBuffers) {
    layer.shoreMeshes[0].upload(b.blocks[0], false);
    layer.shoreMeshes[1].upload(b.blocks[1], false);
    return;
  }
  // Shared by every layer and kept between builds.
  static container::Vector<math::Vector3> positions;
  static container::Vector<math::PackedColor> colors;
  static container::Vector<math::Vector2> coordinates;
  uint32_t n = rows() * columns();
  positions.clear();
  colors.clear();
  coordinates.clear();
  positions.reserve(n);
  colors.reserve(n);
  coordinates.reserve(n);
  float su = rows() > 1 ? layer.textureScale.x / float(rows() - 1) : 1.0f;
  float sv = columns() > 1 ? layer.textureScale.y / float(columns() - 1) : 1.0f;
  bool colored = layer.colors.size() == n;
  for (uint32_t r = 0; r < rows(); ++r)
    for (uint32_t c = 0; c < columns(); ++c) {
      positions.push(m_heightMap->vertex(int(r), int(c)));
      colors.push(math::PackedColor(colored ? layer.colors[r * columns() + c] : white));
      coordinates.push(math::Vector2(su * float(r), sv * float(c)));
    }
  fillBuffer(b.positions, video::BufferObject::ARRAY, positions.data(), n * sizeof(math::Vector3),
             m_dirty);
  fillBuffer(b.colors, video::BufferObject::ARRAY, colors.data(), n * sizeof(math::PackedColor),
             m_dirty);
  fillBuffer(b.coordinates, video::BufferObject::ARRAY, coordinates.data(),
             n * sizeof(math::Vector2), m_dirty);
  layer.shoreMeshes[0].upload(b.blocks[0], m_dirty);
  layer.shoreMeshes[1].upload(b.blocks[1], m_dirty);
  if (m_dirty)
    buildStrips(layer);
}

void Grid::buildStrips(Layer &layer) {
  uint32_t cellColumns = columns() - 1;
  int passes = useCoastline ? 2 : 1;
  layer.indicesBelow().clear();
  for (int pass = 0; pass < passes; ++pass) {
    container::Vector<uint16_t> &list = pass == 0 ? layer.indicesAbove() : layer.indicesBelow();
    list.clear();
    auto skip = [&](uint32_t r, uint32_t c) {
      uint8_t flags = layer.cellFlags.isEmpty() ? uint8_t(CELL_DRY | CELL_SUBMERGED)
                                                : layer.cellFlags[r * cellColumns + c];
      if (flags & CELL_COVERED)
        return true;
      if (!useCoastline)
        return false;
      return pass == 0 ? !(flags & CELL_DRY) : !(flags & CELL_SUBMERGED);
    };
    int previousDiagonal = 0;
    for (uint32_t r = 0; r + 1 < rows(); ++r) {
      bool previousSkipped = true;
      for (uint32_t c = 0; c < columns(); ++c) {
        bool last = c + 1 == columns();
        bool skipped = last ? previousSkipped : skip(r, c);
        auto pushPair = [&](bool doubled) {
          uint16_t a = previousDiagonal == 1 ? index(r, c) : index(r + 1, c);
          uint16_t b = previousDiagonal == 1 ? index(r + 1, c) : index(r, c);
          list.push(a);
          if (doubled)
            list.push(a);
          list.push(b);
        };
        if (!skipped) {
          bool doubled = previousSkipped && !list.isEmpty();
          if (doubled)
            list.push(list.last());
          pushPair(doubled);
          if (last)
            break;
          int diagonal = m_heightMap->diagonal(int(r), int(c)) ? 1 : 0;
          if (diagonal != previousDiagonal)
            list.push(list[list.size() - 2]);
          previousSkipped = false;
          previousDiagonal = diagonal;
        } else {
          if (!previousSkipped)
            pushPair(false);
          if (last)
            break;
          previousSkipped = true;
        }
      }
    }
    video::TerrainBlock &block = layer.buffers.blocks[pass];
    if (!list.isEmpty())
      fillBuffer(block.indexBuffer, video::BufferObject::ELEMENTS, list.data(),
                 list.size() * sizeof(uint16_t), true);
  }
}

void Grid::localBounds(math::Vector3 &center, math::Vector3 &halfExtents) const {
  if (!m_heightMap) {
    center = halfExtents = math::Vector3();
    return;
  }
  center = m_heightMap->bounds().center;
  halfExtents = m_heightMap->bounds().extents;
}

bool Grid::localHeightAt(const math::Vector3 &local, float &height) const {
  return m_heightMap && m_heightMap->project(local, &height, nullptr);
}

bool Grid::heightAt(const math::Vector3 &position, float &height) const {
  if (!localHeightAt(position - m_offset, height))
    return false;
  height += m_offset.y;
  return true;
}

bool Grid::localColorAt(const math::Vector3 &local, math::Color &color) const {
  int i, j;
  float u, v;
  if (!m_heightMap || !m_heightMap->cellAt(local, i, j, u, v))
    return false;
  u = std::clamp(u, 0.0f, 1.0f);
  v = std::clamp(v, 0.0f, 1.0f);
  uint32_t cols = columns();
  bool any = false;
  math::Color result;
  for (const Layer *layer : m_layers) {
    if (layer->colors.size() != rows() * cols)
      continue;
    auto at = [&](int r, int c) { return layer->colors[uint32_t(r) * cols + uint32_t(c)]; };
    math::Color c = mix(mix(at(i, j), at(i + 1, j), u), mix(at(i, j + 1), at(i + 1, j + 1), u), v);
    if (c.a == 0.0f)
      continue;
    result = any ? combine(result, c, layer->renderPass.blend) : c;
    any = true;
  }
  if (any)
    color = result;
  return any;
}

bool Grid::colorAt(const math::Vector3 &position, math::Color &color) const {
  return localColorAt(position - m_offset, color);
}

bool Grid::decorationAllowed(const math::Vector3 &position, int index) const {
  int i, j;
  if (!m_heightMap || index < 0 || index > 7 || !m_heightMap->cellAt(position - m_offset, i, j))
    return false;
  uint32_t cell = uint32_t(i) * (columns() - 1) + uint32_t(j);
  return cell < decorationMask.size() && (decorationMask[cell] >> index) & 1;
}

} // namespace terrain
