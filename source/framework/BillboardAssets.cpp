#include "framework/BillboardAssets.h"

#include "billboard/Billboard2D.h"
#include "framework/CorvaneDatabase.h"
#include "video/Capture.h"

namespace {

AssetManager *makeBillboards(CorvaneDatabase &database) { return new BillboardAssets(&database); }

Billboard2DManager *managerOf(const Database &database) {
  auto *assets = const_cast<Database &>(database).assetDatabase();
  return assets ? &static_cast<CorvaneDatabase *>(assets)->billboard2DManager() : nullptr;
}

// The capture's pointer: the "corvanePointer" prototype at the mouse.
void drawPointer(video::Canvas &canvas, const math::Vector2 &position) {
  static const Symbol name = Symbol::intern(L"corvanePointer");
  CorvaneDatabase *database = corvaneDatabase();
  if (!database)
    return;
  Billboard2D pointer;
  pointer.copyFrom(*database->billboard2DManager().billboard(name));
  pointer.position = position;
  pointer.render(canvas);
}

} // namespace

void installBillboardAssets() {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::BILLBOARDS, makeBillboards);
  Billboard2DManager::setFinder(managerOf);
  video::Capture::setPointerDrawer(drawPointer);
}

Billboard2DManager &CorvaneDatabase::billboard2DManager() {
  return adapterOf<BillboardAssets>(BILLBOARDS).billboards();
}
