#pragma once
// The one binary form of text, shared by String and Symbol: a width byte (0
// for the empty text, 1 when every character fits a byte, else 2), the
// characters in that width (2-byte units little-endian, low 16 bits kept),
// then a 0 unit of the same width.

#include "file/ByteProducer.h"
#include "file/ByteReceiver.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace file {

void write(const String &text, ByteReceiver &out);
void write(const Symbol &symbol, ByteReceiver &out);
// An unknown width byte gives the empty text after consuming only that byte.
void read(String &text, ByteProducer &in);
// Width 0 (or an unknown width) gives Symbol::emptySymbol(); otherwise the text is interned.
void read(Symbol &symbol, ByteProducer &in);

} // namespace file
