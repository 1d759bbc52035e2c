// skeletonc: compiles the skeleton sources of a data tree.
//   skeletonc DATAROOT   reads DATAROOT/config/skeletons/*.! and writes each
//                        skeleton's DATAROOT/config/skeletons/<name>.bin, all
//                        of them in DATAROOT/config/skeletons.bin and the
//                        index DATAROOT/config/skeletons/index.bin
// The billboards of the skeletons are those of the data tree, so its texture
// file must exist (tools/texpack).

#include "SkeletonCompiler.h"

#include "file/Database.h"
#include "framework/BillboardAssets.h"
#include "framework/CorvaneDatabase.h"
#include "framework/ParticleAssets.h"
#include "framework/SkeletonAssets.h"
#include "framework/TextureAssets.h"
#include "quip/builtins/BuiltinTable.h"
#include "xstring/Print.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    xstring::write(stderr, L"usage: skeletonc DATAROOT\n");
    return 2;
  }
  // The sources are scripts.
  quip::installBuiltins();
  installTextureAssets();
  installBillboardAssets();
  installParticleAssets();
  installSkeletonAssets();
  const String root = String::fromUtf8(argv[1]);
  const Symbol name = Symbol::intern(L"skeletonc");
  auto *database = new CorvaneDatabase(name, root);
  Database::registerDatabase(database);
  Database::setCurrent(name);
  database->loadAll(CorvaneDatabase::LOAD_TEXTURES | CorvaneDatabase::LOAD_BILLBOARDS);

  container::Vector<Symbol> names;
  String reason;
  bool compiled = skeletonc::compileSkeletons(*database, root, names, reason);
  Database::releaseRegistry();
  if (!compiled) {
    xstring::write(stderr, String(L"skeletonc: ") + reason + L"\n");
    return 1;
  }
  xstring::write(stdout, String(L"skeletonc: wrote ") + String::toString(names.size()) +
                             L" skeletons under " + root + L"/config\n");
  return 0;
}
