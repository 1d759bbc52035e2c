#include "SoundPacker.h"

#include "SoundMaker.h"

#include "audio/MediaFormats.h"
#include "audio/SoundBuffer.h"
#include "audio/WAVLoader.h"
#include "file/AtomicSave.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/FileStatus.h"
#include "framework/MediaTargets.h"
#include "xstring/Print.h"

#include <memory>
#include <vector>

namespace soundpack {

namespace {

bool fail(const String &reason) {
  xstring::write(stderr, String(L"soundpack: ") + reason + L"\n");
  return false;
}

void makeFolders(const String &path) {
  for (uint32_t at = 1; at < path.length(); ++at)
    if (path[at] == L'/')
      file::makeDirectory(path.substring(0, at));
}

} // namespace

bool packBank(const container::Vector<BankEntry> &entries, container::Vector<uint8_t> &out) {
  std::vector<std::unique_ptr<audio::SoundBuffer>> records;
  for (const BankEntry &entry : entries) {
    // The layout as the tools read it from the file's own header.
    file::BufferBinary wav;
    wav.receiveBytes(entry.wav.data(), entry.wav.size());
    wav.seek(0);
    container::Vector<uint8_t> samples;
    uint32_t layout = 0, rate = 0;
    if (!WAVLoader::load(media::SOUND_WAV, wav, samples, layout, rate) ||
        layout >= media::LAYOUT_COUNT)
      return fail(entry.name.toString() + L" is not a PCM WAV file of 8 or 16 bits");
    auto record = std::make_unique<audio::SoundBuffer>(nullptr);
    record->setName(entry.name);
    record->setRecord(0, entry.wav.size(), layout);
    records.push_back(std::move(record));
  }
  // The directory's size is fixed by its records, so the offsets can be
  // known before they are written.
  file::BufferBinary head;
  file::write(uint32_t(entries.size()), head);
  for (auto &record : records)
    record->write(head);
  uint32_t offset = head.size();
  for (uint32_t i = 0; i < entries.size(); ++i) {
    records[i]->setRecord(offset, entries[i].wav.size(), records[i]->layout());
    offset += entries[i].wav.size();
  }
  file::BufferBinary bank;
  file::write(uint32_t(entries.size()), bank);
  for (auto &record : records)
    record->write(bank);
  for (const BankEntry &entry : entries)
    bank.receiveBytes(entry.wav.data(), entry.wav.size());
  out.reserve(bank.size());
  out.setSize(bank.size());
  for (uint32_t i = 0; i < bank.size(); ++i)
    out[i] = bank.data()[i];
  return true;
}

bool writeBank(const container::Vector<BankEntry> &entries, const String &path) {
  container::Vector<uint8_t> bytes;
  if (!packBank(entries, bytes))
    return false;
  makeFolders(path);
  if (!file::saveWhole(path, bytes.data(), bytes.size()))
    return fail(String(L"cannot write ") + path);
  return true;
}

container::Vector<BankEntry> defaultSounds() {
  struct Named {
    const wchar_t *name;
    SoundRecipe recipe;
  };
  const Named sounds[] = {
      {L"beep", {SoundRecipe::TONE, 880.0f, 0.15f, 1, 22050, 0.5f}},
      {L"chime", {SoundRecipe::TONE, 660.0f, 0.5f, 2, 22050, 0.4f}},
      {L"noiseBurst", {SoundRecipe::NOISE, 0.0f, 0.25f, 1, 22050, 0.4f}},
      {L"musicLow", {SoundRecipe::TONE, 220.0f, 1.0f, 2, 22050, 0.3f}},
      {L"musicHigh", {SoundRecipe::TONE, 330.0f, 1.0f, 2, 22050, 0.3f}},
      {L"wind", {SoundRecipe::NOISE, 0.0f, 1.0f, 1, 22050, 0.15f}},
      // The game's bombs, bolts, neutrons and coins.
      {L"explosion", {SoundRecipe::NOISE, 0.0f, 0.4f, 1, 22050, 0.5f}},
      {L"lightning", {SoundRecipe::NOISE, 0.0f, 0.3f, 1, 22050, 0.3f}},
      {L"neutron", {SoundRecipe::TONE, 1200.0f, 0.1f, 1, 22050, 0.3f}},
      {L"coin", {SoundRecipe::TONE, 1320.0f, 0.12f, 1, 22050, 0.4f}},
      // The hazards: a chomp's snap and a money bug's burst of coins.
      {L"chompExtend", {SoundRecipe::NOISE, 0.0f, 0.15f, 1, 22050, 0.4f}},
      {L"kaching", {SoundRecipe::TONE, 1760.0f, 0.2f, 1, 22050, 0.4f}},
      // The doors, their switches and the gates' beams.
      {L"door", {SoundRecipe::TONE, 440.0f, 0.2f, 1, 22050, 0.4f}},
      {L"clink", {SoundRecipe::TONE, 2200.0f, 0.05f, 1, 22050, 0.3f}},
      {L"laser", {SoundRecipe::NOISE, 0.0f, 0.15f, 1, 22050, 0.3f}},
      // Blocks: a hit climbs a scale with the bonus count; stone, ice, glass
      // and round blocks each their own.
      {L"blockHit", {SoundRecipe::TONE, 523.0f, 0.1f, 1, 22050, 0.4f}},
      {L"blockHit1", {SoundRecipe::TONE, 587.0f, 0.1f, 1, 22050, 0.4f}},
      {L"blockHit2", {SoundRecipe::TONE, 659.0f, 0.1f, 1, 22050, 0.4f}},
      {L"blockHit3", {SoundRecipe::TONE, 698.0f, 0.1f, 1, 22050, 0.4f}},
      {L"blockHit4", {SoundRecipe::TONE, 784.0f, 0.1f, 1, 22050, 0.4f}},
      {L"blockHit5", {SoundRecipe::TONE, 880.0f, 0.1f, 1, 22050, 0.4f}},
      {L"blockHit6", {SoundRecipe::TONE, 988.0f, 0.1f, 1, 22050, 0.4f}},
      {L"blockHit7", {SoundRecipe::TONE, 1047.0f, 0.1f, 1, 22050, 0.4f}},
      {L"stoneClack", {SoundRecipe::NOISE, 0.0f, 0.06f, 1, 22050, 0.4f}},
      {L"roundBlock", {SoundRecipe::TONE, 330.0f, 0.08f, 1, 22050, 0.4f}},
      {L"freeze", {SoundRecipe::TONE, 1568.0f, 0.25f, 1, 22050, 0.3f}},
      {L"glassBreaks", {SoundRecipe::NOISE, 0.0f, 0.3f, 1, 22050, 0.35f}},
      // The ball: appearing, dying, powers, shield, tar and tubes.
      {L"ballAppear", {SoundRecipe::TONE, 392.0f, 0.3f, 1, 22050, 0.4f}},
      {L"ballDie", {SoundRecipe::NOISE, 0.0f, 0.5f, 1, 22050, 0.45f}},
      {L"ballDieLava", {SoundRecipe::NOISE, 0.0f, 0.6f, 1, 22050, 0.4f}},
      {L"powerUp", {SoundRecipe::TONE, 784.0f, 0.25f, 1, 22050, 0.4f}},
      {L"powerDown", {SoundRecipe::TONE, 262.0f, 0.25f, 1, 22050, 0.4f}},
      {L"loseShield", {SoundRecipe::NOISE, 0.0f, 0.2f, 1, 22050, 0.35f}},
      {L"tar", {SoundRecipe::TONE, 110.0f, 0.3f, 1, 22050, 0.45f}},
      {L"shakeOffTar", {SoundRecipe::NOISE, 0.0f, 0.25f, 1, 22050, 0.35f}},
      {L"teleportBegin", {SoundRecipe::TONE, 1318.0f, 0.2f, 1, 22050, 0.3f}},
      {L"teleportEnd", {SoundRecipe::TONE, 659.0f, 0.2f, 1, 22050, 0.3f}},
      // The level: bonus charge, completion, a found secret, the menu click.
      {L"acquireBonus", {SoundRecipe::TONE, 1175.0f, 0.2f, 1, 22050, 0.4f}},
      {L"levelComplete", {SoundRecipe::TONE, 523.0f, 1.0f, 2, 22050, 0.4f}},
      {L"secret", {SoundRecipe::TONE, 1397.0f, 0.4f, 1, 22050, 0.35f}},
      {L"click", {SoundRecipe::TONE, 1000.0f, 0.03f, 1, 22050, 0.3f}},
      // Worms and tar balls.
      {L"tap", {SoundRecipe::TONE, 1760.0f, 0.04f, 1, 22050, 0.3f}},
      {L"wormDie", {SoundRecipe::NOISE, 0.0f, 0.35f, 1, 22050, 0.4f}},
      {L"killTar", {SoundRecipe::NOISE, 0.0f, 0.2f, 1, 22050, 0.4f}},
  };
  container::Vector<BankEntry> entries;
  for (const Named &s : sounds)
    entries.push(BankEntry{Symbol::intern(s.name), makeWav(s.recipe)});
  return entries;
}

String soundBankUnder(const String &dataRoot) {
  return dataRoot + L"/" + media::soundBankPath(media::currentTarget());
}

} // namespace soundpack
