#include "framework/DropAssets.h"

#include "framework/CorvaneDatabase.h"

namespace {

AssetManager *makeDrops(CorvaneDatabase &database) { return new DropAssets(&database); }

DropFactory *factoryOf(const Database &database) {
  auto *assets = const_cast<Database &>(database).assetDatabase();
  return assets ? &static_cast<CorvaneDatabase *>(assets)->dropFactory() : nullptr;
}

} // namespace

void installDropAssets() {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::DROPS, makeDrops);
  DropFactory::setFinder(factoryOf);
}

DropFactory &CorvaneDatabase::dropFactory() { return adapterOf<DropAssets>(DROPS).factory(); }
