#pragma once
// The height-field terrain of a world: a height map with a stack of coloured,
// textured layers drawn over it (each vertex with its colour per layer),
// decorations scattered near the camera, an optional surf line and an
// optional coastline. Before every draw the canvas asks it to bring its
// buffers up to date: after any change the cells are classified against the
// water level and each layer's vertex buffers and strip lists are rebuilt.
// Reading it from a script and its data file come with the scene objects.

#include "container/Vector.h"
#include "math/HeightMap.h"
#include "terrain/Coastline.h"
#include "terrain/Decoration.h"
#include "terrain/Layer.h"
#include "terrain/SurfLine.h"
#include "video/RenderList.h"
#include "video/TerrainSurface.h"

#include <cstdint>

namespace terrain {

class Grid : public video::TerrainSurface, public video::LateRenderable {
public:
  Grid() = default;
  Grid(const Grid &) = delete;
  Grid &operator=(const Grid &) = delete;
  ~Grid() override;

  // Takes the map (the old one is deleted); every layer's colours become
  // opaque white and every cell may carry every decoration.
  void setHeightMap(HeightMap *map);
  HeightMap *heightMap() const { return m_heightMap; }
  uint32_t rows() const { return m_heightMap ? uint32_t(m_heightMap->size().width) : 0u; }
  uint32_t columns() const { return m_heightMap ? uint32_t(m_heightMap->size().height) : 0u; }

  // A new last layer, its colours opaque white.
  Layer &addLayer();
  Layer &layer(uint32_t index) { return *m_layers[index]; }
  Decoration &addDecoration();
  uint32_t decorationCount() const { return m_decorations.size(); }
  Decoration &decoration(uint32_t index) { return *m_decorations[index]; }
  // Replaces the surf line with a new empty one.
  SurfLine &createSurfLine();
  void removeSurfLine();
  SurfLine *surfLine() const { return m_surfLine; }
  Coastline &createCoastline();
  Coastline *coastline() const { return m_coastline; }

  // Buffers, cell flags and strips are rebuilt before the next draw.
  void markDirty() { m_dirty = true; }
  bool dirty() const { return m_dirty; }
  void setWaterLevel(float level);
  // The translation of the terrain in the world; queries subtract it.
  void setOffset(const math::Vector3 &offset) { m_offset = offset; }

  // The dry part, the coastline, itself onto the canvas's render list (its
  // decorations draw late, after the scene's objects), the surf line.
  void render(video::Canvas &canvas);
  // Every decoration with its index.
  void visit(video::Canvas &canvas);
  // Until the scene's objects give it a distance, every grid sorts at 0.
  float renderKey() const override { return 0.0f; }
  void renderLate(video::Canvas &canvas) override { visit(canvas); }

  bool localHeightAt(const math::Vector3 &local, float &height) const;
  // The layers' colours at the point, combined by their passes' blends;
  // false where no layer is visible.
  bool localColorAt(const math::Vector3 &local, math::Color &color) const;

  // (rows - 1) x (columns - 1): bit i lets decoration i stand in the cell.
  container::Vector<uint8_t> decorationMask;
  bool useCoastline = true;

  void prepareLayers() override;
  uint32_t layerCount() const override { return m_layers.size(); }
  video::RenderPass &layerPass(uint32_t index) override { return m_layers[index]->renderPass; }
  video::TerrainLayerBuffers &layerBuffers(uint32_t index) override {
    return m_layers[index]->buffers;
  }
  video::TerrainStrip *strip() override { return m_coastline; }
  void refreshStrip() override;
  video::TerrainRibbons *ribbons() override { return m_surfLine; }
  math::Vector3 origin() const override { return m_offset; }
  void localBounds(math::Vector3 &center, math::Vector3 &halfExtents) const override;
  bool heightAt(const math::Vector3 &position, float &height) const override;
  bool colorAt(const math::Vector3 &position, math::Color &color) const override;
  bool decorationAllowed(const math::Vector3 &position, int index) const override;
  float waterLevel() const override { return m_waterLevel; }

private:
  // Vertices, then cells and normals, after heights changed.
  void rebuildMap();
  void classifyCells();
  void buildLayer(Layer &layer);
  void buildStrips(Layer &layer);
  uint16_t index(uint32_t row, uint32_t column) const {
    return uint16_t((row * columns() + column) & 0xFFFFu);
  }

  HeightMap *m_heightMap = nullptr;
  float m_waterLevel = 0.0f;
  math::Vector3 m_offset;
  container::Vector<Layer *> m_layers;
  container::Vector<Decoration *> m_decorations;
  SurfLine *m_surfLine = nullptr;
  Coastline *m_coastline = nullptr;
  bool m_dirty = true;
};

} // namespace terrain
