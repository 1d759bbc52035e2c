#pragma once
// The hardware targets, each with its own folder of packed media, and the
// paths of the sound bank and the texture file inside it. The running
// program is the palm target.

#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace media {

enum Target : uint32_t {
  TARGET_DEFAULT,
  TARGET_IOS_SMALL,
  TARGET_IOS_MEDIUM,
  TARGET_PALM,
  TARGET_COUNT
};

// Folder and tool script names.
extern const wchar_t *const shipFolderName;             // "ship"
extern const wchar_t *const cacheFolderName;            // "mediaCache"
extern const wchar_t *const intermediateFolderName;     // "mediaInt"
extern const wchar_t *const configFolderName;           // "config"
extern const wchar_t *const processScriptName;          // "process.!"
extern const wchar_t *const jpegifyScriptName;          // "jpegify.!"
extern const wchar_t *const animatedTexturesScriptName; // "animatedTextures.!"

uint32_t currentTarget();
// "default", "iosSmall", "iosMedium", "palm"; any other name gives TARGET_COUNT.
Symbol targetName(uint32_t target);
uint32_t targetFromName(Symbol name);
// Empty for an index outside the table.
String mediaFolderName(uint32_t target);

// "ship/" + media folder, "mediaCache/" + media folder, "mediaInt/sounds".
String shipFolder(uint32_t target);
String cacheFolder(uint32_t target);
String intermediateSoundsFolder();
// Relative to the data root: the database puts its root and "/" before them.
String soundBankPath(uint32_t target);
String textureFilePath(uint32_t target);

} // namespace media
