#include "framework/BillboardAssets.h"

#include "framework/CorvaneDatabase.h"

namespace {

AssetManager *makeBillboards(CorvaneDatabase &database) { return new BillboardAssets(&database); }

Billboard2DManager *managerOf(const Database &database) {
  auto *assets = const_cast<Database &>(database).assetDatabase();
  return assets ? &static_cast<CorvaneDatabase *>(assets)->billboard2DManager() : nullptr;
}

} // namespace

void installBillboardAssets() {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::BILLBOARDS, makeBillboards);
  Billboard2DManager::setFinder(managerOf);
}

Billboard2DManager &CorvaneDatabase::billboard2DManager() {
  return adapterOf<BillboardAssets>(BILLBOARDS).billboards();
}
