// soundpack: synthesises the engine's own sounds and packs them into the
// sound bank of the running target.
//   soundpack DATAROOT   writes DATAROOT/ship/mediaPalm/sounds.dat

#include "SoundPacker.h"

#include "xstring/Print.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    xstring::write(stderr, L"usage: soundpack DATAROOT\n");
    return 2;
  }
  const String output = soundpack::soundBankUnder(String::fromUtf8(argv[1]));
  if (!soundpack::writeBank(soundpack::defaultSounds(), output))
    return 1;
  xstring::write(stdout, String(L"soundpack: wrote ") + output + L"\n");
  return 0;
}
