#pragma once
// A name in the byte stream's text form, read only when its width byte is
// one the form knows and the name ends before the stream does.

#include "file/ByteProducer.h"
#include "xstring/Symbol.h"

namespace bounded {

bool readName(file::ByteProducer &in, Symbol &name);

} // namespace bounded
