#include "terrain/Decoration.h"

#include "billboard/Billboard3D.h"
#include "terrain/Grid.h"
#include "video/Canvas.h"

namespace terrain {

Decoration::~Decoration() { delete m_billboard; }

void Decoration::setBillboard(Billboard3D *billboard) {
  if (billboard == m_billboard)
    return;
  delete m_billboard;
  m_billboard = billboard;
}

void Decoration::draw(video::Canvas &canvas, int index) {
  if (!m_billboard)
    return;
  m_drawn.terrain = grid;
  m_drawn.index = index;
  m_billboard->describe3D(m_drawn.billboard);
  m_drawn.cutoffRadius = cutoffRadius;
  m_drawn.step = step;
  m_drawn.noiseScale = noiseScale;
  m_drawn.fixedHeight = fixedHeight;
  m_drawn.hasFixedHeight = hasFixedHeight;
  m_drawn.takeGroundColor = takeGroundColor;
  canvas.drawTerrainDecoration(m_drawn);
}

} // namespace terrain
