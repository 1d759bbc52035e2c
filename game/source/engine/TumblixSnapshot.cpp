// The saved game: the file's version, the current screen, the engine's
// fields with the level in play, then the shown pages in name order.

#include "engine/Tumblix.h"

#include "engine/BoundedCount.h"
#include "engine/BoundedName.h"
#include "engine/Engine.h"
#include "engine/FrontEnd.h"
#include "engine/GameProfile.h"
#include "error/Log.h"
#include "file/AtomicSave.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/TextBinary.h"
#include "gui/Page.h"
#include "gui/PageFactory.h"
#include "screen/ScreenRegistry.h"

#include <memory>
#include <vector>

namespace {

constexpr uint32_t version = 3;
// An empty name, a state, a state time and a widget's position and flag.
constexpr uint32_t pageRecordBytes = 1 + 1 + 4 + 4 + 4 + 1;

// What a page held before a record was read into it.
struct HeldPage {
  GUI::Page *page;
  file::BufferBinary bytes;
};

void putEveryPageInactive(GUI::PageFactory &pages) {
  for (Symbol name : pages.pageNames())
    if (GUI::Page *page = pages.lookup(name))
      page->setState(GUI::Page::INACTIVE);
}

} // namespace

String Tumblix::snapshotPath() {
  String folder = exists() ? instance()->documentsFolder() : String(L".");
  return folder + L"/snapshot.bin";
}

void Tumblix::writeSnapshot(file::ByteReceiver &out) const {
  file::write(version, out);
  file::write(screen::ScreenRegistry::instance().currentScreenName(), out);
  if (Engine *engine = Engine::instance()) {
    engine->writeSnapshot(out);
  } else {
    // No engine: idle, no mode, no level.
    file::write(uint8_t(Engine::IDLE), out);
    file::write(0.0f, out);
    file::write(uint8_t(Engine::NO_MODE), out);
    file::write(false, out);
    file::write(false, out);
  }
  GUI::PageFactory &pages = *GUI::PageFactory::instance();
  container::Vector<Symbol> shown = pages.openPageNames();
  const uint32_t count = shown.size() < 255 ? shown.size() : 255;
  file::write(uint8_t(count), out);
  for (uint32_t i = 0; i < count; ++i)
    pages.writePageState(*pages.lookup(shown[i]), out);
}

void Tumblix::writeSnapshot() {
  file::BufferBinary bytes;
  writeSnapshot(bytes);
  const String path = snapshotPath();
  if (!file::saveWhole(path, bytes.data(), bytes.size(), false))
    logLine(String(L"Snapshot not written: ") + path);
}

bool Tumblix::readSnapshot() {
  GameProfile *profile = FrontEnd::currentProfile();
  if (!profile || !profile->isLoaded())
    return false;
  file::BufferBinary bytes;
  if (!bytes.open(snapshotPath()) || bytes.size() == 0)
    return false;
  return readSnapshot(bytes);
}

bool Tumblix::readSnapshot(file::ByteProducer &in) {
  Engine *engine = Engine::instance();
  screen::ScreenRegistry &screens = screen::ScreenRegistry::instance();
  uint32_t fileVersion = 0;
  if (!engine || in.bytesRemaining() < 4)
    return false;
  file::read(fileVersion, in);
  Symbol screenName;
  if (fileVersion != version || !bounded::readName(in, screenName) ||
      !screens.hasScreen(screenName))
    return false;
  Engine::Snapshot snapshot;
  uint8_t pageCount;
  if (!engine->readSnapshot(in, snapshot) || !bounded::readCount(in, pageRecordBytes, pageCount))
    return false;

  // The page records read into the live pages: what each held comes back
  // when a record fails.
  GUI::PageFactory &pages = *GUI::PageFactory::instance();
  std::vector<std::unique_ptr<HeldPage>> held;
  for (Symbol name : pages.pageNames())
    if (GUI::Page *page = pages.lookup(name)) {
      held.push_back(std::make_unique<HeldPage>(HeldPage{page, {}}));
      page->serialize(held.back()->bytes);
    }
  putEveryPageInactive(pages);
  bool ok = true;
  for (uint32_t i = 0; ok && i < pageCount; ++i)
    ok = pages.readPageState(in) && !in.overrun();
  if (!ok) {
    logLine(L"Snapshot refused: a page record is cut short or names no page");
    for (const std::unique_ptr<HeldPage> &page : held) {
      page->bytes.seek(0);
      page->page->deserialize(page->bytes);
    }
    putEveryPageInactive(pages);
    return false;
  }

  screens.setCurrentByName(screenName);
  engine->applySnapshot(snapshot);
  engine->afterSnapshotRead();
  return true;
}
