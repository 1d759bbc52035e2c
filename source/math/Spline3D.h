#pragma once
// A smooth curve through (Catmull-Rom) or near (B-spline) a list of 3-D
// control points, made of uniform cubic segments numbered 2 to n - 2.

#include "math/Spline.h"

namespace math {

using SplineSegment3D = SplineSegment<Box3D>;

class Spline3D : public Spline<Vector3, Box3D> {};

// Makes a "bSpline3D" or "catmullRom3D" from "type" and loads it; null for
// any other type. The caller owns the spline.
Spline3D *createSpline3D(const quip::Dictionary &dict);

} // namespace math
