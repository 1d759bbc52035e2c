#pragma once
// Writes the sound bank the running program reads at the sounds step of its
// load: the directory of records, then each sound's WAV file whole.

#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace soundpack {

struct BankEntry {
  Symbol name;
  container::Vector<uint8_t> wav;
};

// The bank's bytes; false, with the reason on standard error, when a sound is
// not a WAV file its layout can be read from.
bool packBank(const container::Vector<BankEntry> &entries, container::Vector<uint8_t> &out);
// The bank saved whole under the path (an old file stays as it was when
// anything fails).
bool writeBank(const container::Vector<BankEntry> &entries, const String &path);
// The engine's own sounds: tones, a noise burst, two music parts.
container::Vector<BankEntry> defaultSounds();
// The running target's sound bank under a data root.
String soundBankUnder(const String &dataRoot);

} // namespace soundpack
