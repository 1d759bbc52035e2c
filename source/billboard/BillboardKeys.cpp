#include "billboard/BillboardKeys.h"

const BillboardKeys &billboardKeys() {
  static const BillboardKeys keys;
  return keys;
}
