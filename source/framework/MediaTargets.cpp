#include "framework/MediaTargets.h"

namespace media {

const wchar_t *const shipFolderName = L"ship";
const wchar_t *const cacheFolderName = L"mediaCache";
const wchar_t *const intermediateFolderName = L"mediaInt";
const wchar_t *const configFolderName = L"config";
const wchar_t *const processScriptName = L"process.!";
const wchar_t *const jpegifyScriptName = L"jpegify.!";
const wchar_t *const animatedTexturesScriptName = L"animatedTextures.!";

namespace {

const wchar_t *const folders[TARGET_COUNT] = {L"media", L"mediaIOSSmall", L"mediaIOSMedium",
                                              L"mediaPalm"};

const Symbol *names() {
  static const Symbol table[TARGET_COUNT] = {Symbol::intern(L"default"),
                                             Symbol::intern(L"iosSmall"),
                                             Symbol::intern(L"iosMedium"), Symbol::intern(L"palm")};
  return table;
}

} // namespace

uint32_t currentTarget() { return TARGET_PALM; }

Symbol targetName(uint32_t target) {
  return target < TARGET_COUNT ? names()[target] : Symbol::emptySymbol();
}

uint32_t targetFromName(Symbol name) {
  for (uint32_t t = 0; t < TARGET_COUNT; ++t)
    if (names()[t] == name)
      return t;
  return TARGET_COUNT;
}

String mediaFolderName(uint32_t target) {
  return target < TARGET_COUNT ? String(folders[target]) : String();
}

String shipFolder(uint32_t target) {
  return String(shipFolderName) + L"/" + mediaFolderName(target);
}

String cacheFolder(uint32_t target) {
  return String(cacheFolderName) + L"/" + mediaFolderName(target);
}

String intermediateSoundsFolder() { return String(intermediateFolderName) + L"/sounds"; }

String soundBankPath(uint32_t target) { return shipFolder(target) + L"/sounds.dat"; }

String textureFilePath(uint32_t target) { return shipFolder(target) + L"/textures.dat"; }

} // namespace media
