#pragma once
// Moves an emitter's living particles each update. Kinds are chosen by the
// "type" of a dictionary or by a kind byte in the binary form.

#include "xstring/Symbol.h"

#include <cstdint>

class ParticleSystem;
class Particle;
namespace quip {
class Dictionary;
}
namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

class Mover {
public:
  Mover() = default;
  Mover(const Mover &) = delete;
  Mover &operator=(const Mover &) = delete;
  virtual ~Mover() = default;

  virtual Symbol getType() const = 0;
  // Once per emitter update, before the particles move.
  virtual void prepare(float dt) = 0;
  virtual void move(const ParticleSystem &system, Particle &particle, float dt) = 0;
  // Present keys only.
  virtual void read(const quip::Dictionary &dictionary) { (void)dictionary; }
  // "type", then the keys that differ from the defaults.
  virtual void write(quip::Dictionary &dictionary) const;
  // The body after the kind byte; the caller checks the stream for overrun.
  virtual void readBinary(file::ByteProducer &in) { (void)in; }
  // The kind byte, then the body.
  virtual void writeBinary(file::ByteReceiver &out) const;
  virtual uint8_t kindCode() const = 0;
};

// Null for a type or kind byte of no listed kind.
Mover *createMover(const quip::Dictionary &dictionary);
Mover *createMover(file::ByteProducer &in);
