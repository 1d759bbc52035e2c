#include "math/Animatable.h"
#include "math/Channel.h"
#include "quip/Token.h"

namespace math {

bool Animatable::load(const quip::Dictionary &dict) {
  const quip::Token *channels = dict.lookup(SYM(L"channels"));
  if (!channels)
    return true;
  if (channels->type() != quip::TYPE_DICTIONARY)
    return false;
  const quip::Dictionary &named = channels->dictionary();
  quip::Array keys = named.keys();
  bool ok = true;
  for (unsigned i = 0; i < keys.count(); ++i) {
    Symbol key = keys[i].symbol();
    const quip::Token *entry = named.lookup(key);
    if (!entry || entry->type() != quip::TYPE_DICTIONARY) {
      ok = false;
      continue;
    }
    Channel *channel = new Channel;
    if (!channel->load(entry->dictionary()))
      ok = false;
    setChannel(key, channel);
  }
  return ok;
}

Channel *Animatable::getChannel(Symbol) const { return nullptr; }

void Animatable::setChannel(Symbol, Channel *channel) { delete channel; }

} // namespace math
