#pragma once
// Base of every definition whose members can be animated by name: it reads a
// dictionary of named channels and hands each to the derived class.

#include "xstring/Symbol.h"

namespace quip {
class Dictionary;
}

namespace math {

class Channel;

class Animatable {
public:
  virtual ~Animatable() = default;

  // Reads "channels", a dictionary of channel dictionaries by member name.
  // False when an entry was not a dictionary (it is skipped) or did not load
  // cleanly.
  virtual bool load(const quip::Dictionary &dict);
  virtual Channel *getChannel(Symbol name) const;
  // Always takes ownership: a name the class does not map is freed here.
  virtual void setChannel(Symbol name, Channel *channel);
};

} // namespace math
