#include "framework/ShapeAssets.h"

#include "framework/CorvaneDatabase.h"

namespace {

AssetManager *makeShapes(CorvaneDatabase &database) { return new ShapeAssets(&database); }

shape::ShapeManager *managerOf(const Database &database) {
  auto *assets = const_cast<Database &>(database).assetDatabase();
  return assets ? &static_cast<CorvaneDatabase *>(assets)->shapeManager() : nullptr;
}

} // namespace

void installShapeAssets() {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::SHAPES, makeShapes);
  shape::ShapeManager::setFinder(managerOf);
}

shape::ShapeManager &CorvaneDatabase::shapeManager() {
  return adapterOf<ShapeAssets>(SHAPES).shapes();
}
