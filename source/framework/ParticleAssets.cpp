#include "framework/ParticleAssets.h"

#include "framework/CorvaneDatabase.h"
#include "framework/Framework.h"
#include "particle/FrameTime.h"

namespace {

AssetManager *makeParticleSystems(CorvaneDatabase &database) {
  return new ParticleAssets(&database);
}

ParticleSystemFactory *factoryOf(const Database &database) {
  auto *assets = const_cast<Database &>(database).assetDatabase();
  return assets ? &static_cast<CorvaneDatabase *>(assets)->particleSystemFactory() : nullptr;
}

float frameworkFrameTime() {
  return Framework::exists() ? Framework::instance()->frameTime() : 0.033f;
}

} // namespace

void installParticleAssets() {
  CorvaneDatabase::setManagerMaker(CorvaneDatabase::PARTICLE_SYSTEMS, makeParticleSystems);
  ParticleSystemFactory::setFinder(factoryOf);
  setParticleFrameTimeSource(frameworkFrameTime);
}

ParticleSystemFactory &CorvaneDatabase::particleSystemFactory() {
  return adapterOf<ParticleAssets>(PARTICLE_SYSTEMS).factory();
}
