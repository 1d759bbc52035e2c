#include "SkeletonCompiler.h"

#include "animation/Skeleton.h"
#include "animation/SkeletonStore.h"
#include "file/BufferBinary.h"
#include "file/Database.h"
#include "file/FileStatus.h"
#include "file/PosixDirectory.h"
#include "quip/FrameworkManager.h"
#include "quip/Token.h"

#include <memory>
#include <vector>

namespace skeletonc {

namespace {

struct Source {
  Symbol name;
  std::unique_ptr<animation::Skeleton> skeleton;
  file::BufferBinary record;
};

} // namespace

bool compileSkeletons(Database &database, const String &root, container::Vector<Symbol> &names,
                      String &reason) {
  names.clear();
  const String folder = root + L"/config/skeletons";
  if (!file::exists(folder)) {
    reason = String(L"no skeleton sources in ") + folder;
    return false;
  }
  container::Vector<Symbol> files;
  file::listFiles(folder, String(L"*.!"), files);
  std::vector<Source> sources;
  for (Symbol file : files) {
    String directory, base, extension;
    splitPath(String(file.text()), directory, base, extension);
    const String path = folder + L"/" + file.text();
    quip::Token value = quip::evaluateWithFramework(&database, path);
    if (!value.isDictionary()) {
      reason = path + L": not a skeleton dictionary";
      return false;
    }
    Source source;
    source.name = Symbol::intern(base);
    source.skeleton = std::make_unique<animation::Skeleton>();
    if (!source.skeleton->load(&database, value.dictionary())) {
      reason = path + L": nodes nested too deeply";
      return false;
    }
    if (source.skeleton->name.isEmpty())
      source.skeleton->name = source.name;
    if (source.skeleton->name != source.name) {
      reason = path + L": the skeleton is named " + source.skeleton->name.text() + L", its file " +
               source.name.text();
      return false;
    }
    if (!source.skeleton->writeBinary(&database, source.record)) {
      reason = path + L": the skeleton does not fit its record";
      return false;
    }
    sources.push_back(std::move(source));
  }

  // The listing is in name order, which the index keeps.
  file::BufferBinary all;
  for (Source &source : sources) {
    if (!source.record.save(folder + L"/" + source.name.text() + L".bin")) {
      reason = String(L"cannot save ") + source.name.text();
      return false;
    }
    all.receiveBytes(source.record.data(), source.record.size());
    names.push(source.name);
  }
  sortSymbols(names);
  if (!all.save(root + L"/config/skeletons.bin") ||
      !SkeletonStore::writeIndex(names, folder + L"/index.bin")) {
    reason = String(L"cannot save the skeleton files under ") + root;
    return false;
  }
  return true;
}

} // namespace skeletonc
