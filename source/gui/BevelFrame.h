#pragma once
// The bevelled frame of boxes and borders: four bands of one width along
// the inside of a rectangle. The bands along the top (y + height) and the
// left (x) edges run from the first colour at the rim to the second inside;
// the bottom and right bands from the third to the second. Without bevel
// every band is the second colour.

namespace math {
class Color;
class Rectangle;
} // namespace math
namespace video {
class Canvas;
}

namespace GUI {

void drawBevelFrame(video::Canvas &canvas, const math::Rectangle &rectangle, float width,
                    const math::Color &first, const math::Color &second, const math::Color &third,
                    bool bevel);

} // namespace GUI
