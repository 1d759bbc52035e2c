#pragma once
// The bevelled frame of boxes, borders, sliders and their arrows: a band
// between an outer and an inner rectangle, drawn as one shared shape of
// sixteen vertices in a strip, made on first use. With bevel the outer corners of the top (y +
// height) and left (x) edges take the light colour, those of the bottom and right edges the dark
// one, and every inner corner the medium colour; without bevel all sixteen are medium.

namespace math {
class Color;
class Rectangle;
class Vector2;
} // namespace math
namespace video {
class Canvas;
}

namespace GUI {

// Outer and inner rectangles of a frame of that width along a rectangle:
// outside, the frame lies around it; inside, within it (an inner rectangle
// that would turn inside out collapses at the middle).
void frameRectangles(const math::Rectangle &rectangle, float width, bool outside,
                     math::Rectangle &outer, math::Rectangle &inner);

// The strip's vertices in drawing order: the edges at y + height, x + width,
// y and x, each as outer, inner, outer, inner.
void frameVertices(const math::Rectangle &outer, const math::Rectangle &inner,
                   math::Vector2 positions[16]);
void frameColors(const math::Color &light, const math::Color &medium, const math::Color &dark,
                 bool bevel, math::Color colors[16]);

void drawBevelFrame(video::Canvas &canvas, const math::Rectangle &outer,
                    const math::Rectangle &inner, const math::Color &light,
                    const math::Color &medium, const math::Color &dark, bool bevel);
// Within the rectangle.
void drawBevelFrame(video::Canvas &canvas, const math::Rectangle &rectangle, float width,
                    const math::Color &light, const math::Color &medium, const math::Color &dark,
                    bool bevel);

// Untextured coloured vertices drawn as one triangle strip through a shared
// shape of that many vertices, made on first use and kept; count is 3 (a
// triangle) or 16 (a frame).
void drawStrip(video::Canvas &canvas, const math::Vector2 *positions, const math::Color *colors,
               int count);

} // namespace GUI
