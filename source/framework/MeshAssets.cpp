#include "framework/MeshAssets.h"

#include "framework/CorvaneDatabase.h"

namespace {

AssetManager *makeMeshes(CorvaneDatabase &database) { return new MeshAssets(&database); }

} // namespace

void installMeshAssets() { CorvaneDatabase::setManagerMaker(CorvaneDatabase::MESHES, makeMeshes); }

mesh::MeshManager &CorvaneDatabase::meshManager() { return adapterOf<MeshAssets>(MESHES).meshes(); }
