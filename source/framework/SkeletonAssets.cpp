#include "framework/SkeletonAssets.h"

#include "animation/SkeletonEvent.h"
#include "audio/Library.h"
#include "audio/SoundBuffer.h"
#include "framework/CorvaneDatabase.h"
#include "particle/ParticleSystemFactory.h"

namespace {

AssetManager *makeSkeletons(CorvaneDatabase &database) { return new SkeletonAssets(&database); }

SkeletonStore *storeOf(const Database &database) {
  auto *assets = const_cast<Database &>(database).assetDatabase();
  return assets ? &static_cast<CorvaneDatabase *>(assets)->skeletonStore() : nullptr;
}

Database *orCurrent(Database *database) { return database ? database : Database::current(); }

// A sound the library does not hold is left alone.
void touchSound(Database *database, Symbol name) {
  database = orCurrent(database);
  audio::Library *library = database ? audio::Library::of(*database, false) : nullptr;
  if (audio::SoundBuffer *sound = library ? library->lookup(name) : nullptr)
    sound->loadChunk();
}

// The factory reports a name it does not hold.
void touchParticleSystem(Database *database, Symbol name) {
  database = orCurrent(database);
  if (ParticleSystemFactory *factory = database ? ParticleSystemFactory::of(*database) : nullptr)
    factory->definition(name);
}

} // namespace

SkeletonAssets::SkeletonAssets(CorvaneDatabase *database) : m_store(database) {
  m_store.setOneFileForm(database->loadMonolithicSkeletonFile());
}

void installSkeletonAssets() {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::SKELETONS, makeSkeletons);
  CorvaneDatabase::setKindLoader(CorvaneDatabase::SKELETONS, loadSkeletonsOf);
  SkeletonStore::setFinder(storeOf);
  animation::EventTouchers touchers;
  touchers.sound = touchSound;
  touchers.particleSystem = touchParticleSystem;
  animation::setEventTouchers(touchers);
}

bool loadSkeletonsOf(CorvaneDatabase &database) {
  database.skeletonStore().load(database.loadMonolithicSkeletonFile());
  return true;
}

SkeletonStore &CorvaneDatabase::skeletonStore() {
  return adapterOf<SkeletonAssets>(SKELETONS).store();
}
