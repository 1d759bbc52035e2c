#include "animation/SkeletonStore.h"

#include "animation/Skeleton.h"
#include "error/Log.h"
#include "error/Report.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/Database.h"
#include "file/FileStatus.h"
#include "file/PosixDirectory.h"
#include "file/TextBinary.h"

#include <cwchar>

namespace {

SkeletonStore::Finder g_finder = nullptr;

bool before(Symbol a, Symbol b) { return std::wcscmp(a.text(), b.text()) < 0; }

} // namespace

void SkeletonStore::setFinder(Finder finder) { g_finder = finder; }

SkeletonStore *SkeletonStore::of(const Database &database) {
  return g_finder ? g_finder(database) : nullptr;
}

String SkeletonStore::indexPath() const { return sourceFolder() + L"/index.bin"; }

String SkeletonStore::oneFilePath() const {
  return (m_database ? m_database->path() : String()) + L"/config/skeletons.bin";
}

String SkeletonStore::sourceFolder() const {
  return (m_database ? m_database->path() : String()) + L"/config/skeletons";
}

String SkeletonStore::skeletonPath(Symbol name) const {
  return sourceFolder() + L"/" + name.text() + L".bin";
}

void SkeletonStore::load(bool oneFile) {
  clear();
  m_oneFile = oneFile;
  if (oneFile)
    loadMonolithic();
  else
    loadIndex();
}

void SkeletonStore::loadIndex() {
  m_names.clear();
  String path = indexPath();
  file::BufferBinary index;
  if (!file::exists(path) || !index.open(path)) {
    logLine(String(L"No skeleton index: ") + path);
  } else {
    uint16_t count = 0;
    file::read(count, index);
    m_names.reserve(count);
    while (!index.overrun() && index.bytesRemaining() > 0) {
      Symbol name;
      file::read(name, index);
      if (index.overrun()) {
        framework::reportError(String(L"Skeleton index ends in a broken name: ") + path);
        break;
      }
      m_names.push(name);
    }
    // The lookups search it; an index out of order must not hide names.
    sortSymbols(m_names);
  }
  logLine(String(L"Deserialized index: ") + path);
}

void SkeletonStore::loadMonolithic() {
  clear();
  String path = oneFilePath();
  file::BufferBinary whole;
  if (!file::exists(path) || !whole.open(path)) {
    logLine(String(L"No skeletons: ") + path);
    return;
  }
  while (whole.bytesRemaining() > 0) {
    auto *skeleton = new animation::Skeleton;
    if (!skeleton->readBinary(m_database, whole)) {
      delete skeleton;
      framework::reportError(String(L"Skeletons: the file ends in a broken record: ") + path);
      break;
    }
    if (animation::Skeleton **held = m_skeletons.lookup(skeleton->name)) {
      // A second record of a name replaces the first, which nothing holds yet.
      delete *held;
      *held = skeleton;
      continue;
    }
    m_names.push(skeleton->name);
    m_skeletons.put(skeleton->name, skeleton);
  }
  sortSymbols(m_names);
  logLine(String(L"Deserialized skeletons: ") + path);
}

animation::Skeleton *SkeletonStore::readOwnFile(Symbol name) {
  String path = skeletonPath(name);
  if (!file::exists(path))
    return nullptr;
  auto *skeleton = new animation::Skeleton;
  file::BufferBinary data;
  if (!data.open(path) || !skeleton->readBinary(m_database, data))
    framework::reportError(String(L"Skeleton file cannot be read: ") + path);
  return skeleton;
}

animation::Skeleton *SkeletonStore::skeleton(Symbol name) {
  if (animation::Skeleton **held = m_skeletons.lookup(name))
    return *held;
  animation::Skeleton *skeleton = m_oneFile ? nullptr : readOwnFile(name);
  if (skeleton) {
    m_skeletons.put(name, skeleton);
    if (skeleton->name != name)
      framework::reportWarning(__FILE__, __LINE__, "skeleton",
                               String(L"Stored skeleton name (") + skeleton->name.text() +
                                   L") does not match requested skeleton name (" + name.text() +
                                   L"). Make sure filename and stored name match.");
    return skeleton;
  }
  skeleton = new animation::Skeleton;
  skeleton->name = name;
  skeleton->placeholder = true;
  skeleton->fillRenderList();
  m_skeletons.put(name, skeleton);
  if (warnPlaceholder)
    framework::reportError(String(L"Skeleton '") + name.text() + L"' not found in database " +
                           (m_database ? m_database->name().text() : L"") +
                           L".  Using placeholder.");
  return skeleton;
}

bool SkeletonStore::listed(Symbol name) const {
  uint32_t low = 0, high = m_names.size();
  while (low < high) {
    uint32_t middle = (low + high) / 2;
    if (before(m_names[middle], name))
      low = middle + 1;
    else
      high = middle;
  }
  return low < m_names.size() && m_names[low] == name;
}

bool SkeletonStore::contains(Symbol name) const {
  return m_skeletons.contains(name) || listed(name);
}

container::Vector<Symbol> SkeletonStore::names(const String &filter) const {
  container::Vector<Symbol> out = m_oneFile ? m_skeletons.keys() : m_names;
  filterSymbols(out, filter);
  sortSymbols(out);
  return out;
}

void SkeletonStore::clear() {
  m_skeletons.deleteValues();
  m_names.clear();
}

void SkeletonStore::refreshSkeletons() {
  m_names.clear();
  String folder = sourceFolder();
  if (file::exists(folder)) {
    container::Vector<Symbol> files;
    file::listFiles(folder, String(L"*.!"), files);
    for (Symbol file : files) {
      String directory, base, extension;
      splitPath(String(file.text()), directory, base, extension);
      if (!base.isEmpty())
        m_names.push(Symbol::intern(base));
    }
    sortSymbols(m_names);
  }
  m_skeletons.forEach([&](const Symbol &name, animation::Skeleton *const &skeleton) {
    if (!listed(name)) {
      framework::reportWarning(__FILE__, __LINE__, "refreshSkeletons",
                               String(L"Skeleton no longer exists: ") + name.text());
      return;
    }
    String path = skeletonPath(name);
    if (!file::exists(path)) {
      framework::reportWarning(__FILE__, __LINE__, "refreshSkeletons",
                               String(L"Skeleton file not found during refresh: ") + path);
      return;
    }
    skeleton->reset();
    skeleton->placeholder = false;
    file::BufferBinary data;
    if (data.open(path) && !skeleton->readBinary(m_database, data))
      framework::reportError(String(L"Skeleton file cannot be read: ") + path);
  });
}

bool SkeletonStore::writeIndex(const container::Vector<Symbol> &names, const String &path) {
  file::BufferBinary out;
  // The count only reserves room; a reader takes names to the end.
  file::write(uint16_t(names.size() > 0xffff ? 0xffff : names.size()), out);
  for (Symbol name : names)
    file::write(name, out);
  return out.save(path);
}
