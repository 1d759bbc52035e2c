#pragma once
// The debug view of a level's or a world's physics: the simulation's
// structures, then its collision geometries, through the canvas.

namespace physics {
class Simulation;
}

namespace video {

class Canvas;

void debugDraw(const physics::Simulation &simulation, Canvas &canvas);

} // namespace video
