#pragma once
// Colour changes as matrices acting on (r, g, b, 1) as a column vector, with
// the luminance weights 0.3086, 0.6094 and 0.0820.

#include "math/Matrix4.h"

namespace math {

// 1 leaves colours unchanged, 0 makes grey.
void saturationMatrix(float saturation, Matrix4 &m);
// Every channel becomes the luminance.
void luminanceMatrix(Matrix4 &m);
// Turns the colour cube about its grey diagonal, keeping luminance.
void hueRotationMatrix(float degrees, Matrix4 &m);

} // namespace math
