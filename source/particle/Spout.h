#pragma once
// Places a new particle relative to its system's position: it is called
// with the particle's location, previous location and origin at the
// system's position and changes the location only. Kinds are chosen by the
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

class Spout {
public:
  Spout() = default;
  Spout(const Spout &) = delete;
  Spout &operator=(const Spout &) = delete;
  virtual ~Spout() = default;

  virtual Symbol getType() const = 0;
  // Present keys only.
  virtual void read(const quip::Dictionary &dictionary) { (void)dictionary; }
  // "type", then the keys that differ from the defaults.
  virtual void write(quip::Dictionary &dictionary) const;
  // The body after the kind byte; the caller checks the stream for overrun.
  virtual void readBinary(file::ByteProducer &in) { (void)in; }
  // The kind byte, then the body.
  virtual void writeBinary(file::ByteReceiver &out) const;
  virtual void place(const ParticleSystem &system, Particle &particle) const {
    (void)system;
    (void)particle;
  }
  virtual uint8_t kindCode() const = 0;
};

// Null for a type or kind byte of no listed kind.
Spout *createSpout(const quip::Dictionary &dictionary);
Spout *createSpout(file::ByteProducer &in);
