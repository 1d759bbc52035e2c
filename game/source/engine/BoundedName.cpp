#include "engine/BoundedName.h"

#include "file/BinaryPrimitives.h"
#include "file/TextBinary.h"

namespace bounded {

bool readName(file::ByteProducer &in, Symbol &name) {
  const uint32_t start = in.tell();
  uint8_t width = 0;
  file::read(width, in);
  if (in.overrun() || width > 2)
    return false;
  in.seek(start);
  file::read(name, in);
  return !in.overrun();
}

} // namespace bounded
