#include "framework/FontAssets.h"

#include "framework/CorvaneDatabase.h"

namespace {

AssetManager *makeFonts(CorvaneDatabase &database) { return new FontAssets(&database); }

FontFactory *factoryOf(const Database &database) {
  auto *assets = const_cast<Database &>(database).assetDatabase();
  return assets ? &static_cast<CorvaneDatabase *>(assets)->fontFactory() : nullptr;
}

} // namespace

void installFontAssets() {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::FONTS, makeFonts);
  FontFactory::setFinder(factoryOf);
}

FontFactory &CorvaneDatabase::fontFactory() { return adapterOf<FontAssets>(FONTS).fonts(); }
