#pragma once
// The pointer's last screen position. The input state records it here,
// below rendering, so that the camera can pick the world under the mouse
// without reaching up into the framework.

#include "math/Vector2i.h"

namespace framework {

const math::Vector2i &pointerPosition();
void setPointerPosition(const math::Vector2i &position);

} // namespace framework
