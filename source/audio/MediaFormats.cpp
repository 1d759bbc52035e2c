#include "audio/MediaFormats.h"

namespace media {

namespace {

const uint32_t rates[sampleRateCount] = {8000, 11025, 16000, 22050, 32000, 44100};

template <uint32_t N> uint32_t indexOf(const Symbol (&table)[N], Symbol name) {
  for (uint32_t i = 0; i < N; ++i)
    if (table[i] == name)
      return i;
  return N;
}

const Symbol (&soundFormats())[SOUND_FORMAT_COUNT] {
  static const Symbol table[SOUND_FORMAT_COUNT] = {Symbol::intern(L"wav"), Symbol::intern(L"caff"),
                                                   Symbol::intern(L"ogg")};
  return table;
}

const Symbol (&layouts())[LAYOUT_COUNT] {
  static const Symbol table[LAYOUT_COUNT] = {Symbol::intern(L"mono8"), Symbol::intern(L"mono16LE"),
                                             Symbol::intern(L"stereo8"),
                                             Symbol::intern(L"stereo16LE")};
  return table;
}

const Symbol (&rateNames())[sampleRateCount] {
  static const Symbol table[sampleRateCount] = {Symbol::intern(L"8000"),  Symbol::intern(L"11025"),
                                                Symbol::intern(L"16000"), Symbol::intern(L"22050"),
                                                Symbol::intern(L"32000"), Symbol::intern(L"44100")};
  return table;
}

} // namespace

Symbol soundFormatName(uint32_t format) {
  return format < SOUND_FORMAT_COUNT ? soundFormats()[format] : Symbol::emptySymbol();
}

uint32_t soundFormatFromName(Symbol name) { return indexOf(soundFormats(), name); }

uint32_t soundFormatOfPath(const String &path) {
  String directory, name, extension;
  splitPath(path, directory, name, extension);
  extension.toLower();
  for (uint32_t f = 0; f < SOUND_FORMAT_COUNT; ++f)
    if (extension == soundFormats()[f].text())
      return f;
  return SOUND_FORMAT_COUNT;
}

Symbol soundLayoutName(uint32_t layout) {
  return layout < LAYOUT_COUNT ? layouts()[layout] : Symbol::emptySymbol();
}

uint32_t soundLayoutFromName(Symbol name) { return indexOf(layouts(), name); }

uint32_t layoutFor(uint32_t bitsPerSample, uint32_t channels) {
  if (bitsPerSample == 8)
    return channels == 1 ? MONO8 : STEREO8;
  if (bitsPerSample == 16)
    return channels == 1 ? MONO16LE : STEREO16LE;
  return LAYOUT_COUNT;
}

uint32_t sampleRate(uint32_t index) { return index < sampleRateCount ? rates[index] : 0; }

Symbol sampleRateName(uint32_t index) {
  return index < sampleRateCount ? rateNames()[index] : Symbol::emptySymbol();
}

uint32_t sampleRateFromName(Symbol name) { return indexOf(rateNames(), name); }

uint32_t sampleRateIndex(uint32_t rate) {
  for (uint32_t i = 0; i < sampleRateCount; ++i)
    if (rates[i] == rate)
      return i;
  return sampleRateCount;
}

} // namespace media
