#pragma once
// The particle system factory as the asset database's manager of particle
// systems, and the start-up wiring that lets particles find a database's
// factory and the frame time.

#include "framework/AssetManager.h"
#include "particle/ParticleSystemFactory.h"

class ParticleAssets : public AssetManager {
public:
  explicit ParticleAssets(Database *database) : m_factory(database) {}
  void loadSource(const String &path) override { m_factory.loadSource(path); }
  void loadBinary(file::ByteProducer &source) override { m_factory.loadBinary(source); }
  bool contains(Symbol name) const override { return m_factory.contains(name); }
  container::Vector<Symbol> findNames(const String &filter) const override {
    return m_factory.findNames(filter);
  }
  ParticleSystemFactory &factory() { return m_factory; }

private:
  ParticleSystemFactory m_factory;
};

// Installs the factory maker, the factory finder and the frame-time source.
// Called by the framework at start.
void installParticleAssets();
