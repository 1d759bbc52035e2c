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
  terrain = grid;
  this->index = index;
  m_billboard->describe3D(quad);
  canvas.drawTerrainDecoration(*this);
}

} // namespace terrain
