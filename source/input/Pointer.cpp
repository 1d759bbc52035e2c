#include "input/Pointer.h"

namespace framework {

namespace {
math::Vector2i pointer;
}

const math::Vector2i &pointerPosition() { return pointer; }

void setPointerPosition(const math::Vector2i &position) { pointer = position; }

} // namespace framework
