#include "framework/DropAssets.h"

#include "framework/CorvaneDatabase.h"

namespace {

AssetManager *makeDrops(CorvaneDatabase &database) { return new DropAssets(&database); }

} // namespace

void installDropAssets() { CorvaneDatabase::setManagerMaker(CorvaneDatabase::DROPS, makeDrops); }

DropFactory &CorvaneDatabase::dropFactory() { return adapterOf<DropAssets>(DROPS).factory(); }
