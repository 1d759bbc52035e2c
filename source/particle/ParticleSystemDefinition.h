#pragma once
// A named list of emitter definitions, from which particle systems are made.

#include "container/Vector.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "xstring/Symbol.h"

class Database;
class EmitterDefinition;
class ParticleSystem;
namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class ParticleSystemDefinition {
public:
  ParticleSystemDefinition() = default;
  explicit ParticleSystemDefinition(Symbol name) : name(name) {}
  ParticleSystemDefinition(const ParticleSystemDefinition &) = delete;
  ParticleSystemDefinition &operator=(const ParticleSystemDefinition &) = delete;
  ~ParticleSystemDefinition();

  // "name" and "emitters" (which replaces every emitter). An emitter without
  // a billboard or a spout is reported once here; it emits and draws nothing.
  void read(Database *database, const quip::Dictionary &dictionary);
  // Refused (false, reported, nothing written) while an emitter lacks its
  // billboard or spout.
  bool write(quip::Dictionary &dictionary) const;
  // The name, a one-byte emitter count, the emitters' records. False
  // (reported) for a record that is cut short.
  bool readBinary(file::ByteProducer &in, Database *database);
  bool writeBinary(file::ByteReceiver &out, Database *database) const;

  // The caller owns the new system.
  ParticleSystem *instantiate(const math::Vector3 &position, float angle);
  ParticleSystem *instantiate(const math::Vector2 &position, float angle);
  ParticleSystem *instantiate();

  void clearEmitters();

  Symbol name;
  container::Vector<EmitterDefinition *> emitters;

private:
  void reportIncomplete() const;
  bool refuseIncomplete() const;
};
