#include "video/SimulationDebugView.h"

#include "physics/Simulation.h"
#include "video/Canvas.h"

namespace video {

void debugDraw(const physics::Simulation &simulation, Canvas &canvas) {
  for (const physics::Structure3D *structure : simulation.structures)
    canvas.drawStructure(*structure);
  for (const physics::WorldGeometry *geometry : simulation.geometries)
    canvas.drawGeometry(*geometry);
}

} // namespace video
