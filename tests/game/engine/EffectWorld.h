#pragma once
// A current database whose particle factory holds "glow": one emitter that
// never stops, so an effect of it lasts exactly its lifespan.

#include "billboard/Billboard3D.h"
#include "file/Database.h"
#include "particle/EmitterDefinition.h"
#include "particle/ParticleSystemDefinition.h"
#include "particle/ParticleSystemFactory.h"
#include "particle/SpoutPoint.h"

class EffectWorld {
public:
  EffectWorld() : m_previous(Database::currentName()) {
    Database::registerDatabase(&m_database);
    Database::setCurrent(m_database.name());
    theFactory() = &m_factory;
    ParticleSystemFactory::setFinder([](const Database &) { return theFactory(); });
    auto *glow = new ParticleSystemDefinition(SYM(L"glow"));
    auto *emitter = new EmitterDefinition;
    emitter->billboard = new Billboard3D;
    emitter->spout = new SpoutPoint;
    glow->emitters.push(emitter);
    m_factory.add(glow);
  }
  ~EffectWorld() {
    ParticleSystemFactory::setFinder(nullptr);
    theFactory() = nullptr;
    Database::unregisterDatabase(&m_database);
    Database::setCurrent(m_previous);
  }
  EffectWorld(const EffectWorld &) = delete;
  EffectWorld &operator=(const EffectWorld &) = delete;

private:
  static ParticleSystemFactory *&theFactory() {
    static ParticleSystemFactory *factory = nullptr;
    return factory;
  }

  Symbol m_previous;
  Database m_database{SYM(L"effectWorld"), String(L".")};
  ParticleSystemFactory m_factory{&m_database};
};
