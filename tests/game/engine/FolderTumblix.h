#pragma once
// The application in a fresh folder: its data root and its documents.

#include "engine/Tumblix.h"
#include "support/TempFolder.h"

class FolderTumblix : public Tumblix {
public:
  explicit FolderTumblix(const testing_support::TempFolder &folder) : m_folder(folder.wide()) {}
  String documentsPath() override { return m_folder; }

private:
  String m_folder;
};
