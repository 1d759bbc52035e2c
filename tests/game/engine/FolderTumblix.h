#pragma once
// The application in a fresh folder: its data root and its documents; and
// the teardown of the application and every game singleton it brings up.

#include "engine/LevelCatalogue.h"
#include "engine/Tumblix.h"
#include "framework/FrameworkTestSupport.h"
#include "framework/LocationDelegate.h"
#include "scores/UserProfile.h"
#include "screen/ScreenRegistry.h"
#include "support/TempFolder.h"

class FolderTumblix : public Tumblix {
public:
  explicit FolderTumblix(const testing_support::TempFolder &folder) : m_folder(folder.wide()) {}
  String documentsPath() override { return m_folder; }

private:
  String m_folder;
};

namespace gametest {

inline void tearDownGame() {
  testing_support::tearDownFramework();
  UserProfile::destroy();
  LevelCatalogue::destroy();
  screen::ScreenRegistry::destroyInstance();
  LocationDelegate::destroyInstance();
}

} // namespace gametest
