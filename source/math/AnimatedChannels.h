#pragma once
// Helpers shared by the animated holders for their owned channels and their
// flag-byte binary form.

#include "math/Channel.h"

namespace math {

inline Channel *cloneChannel(const Channel *channel) {
  return channel ? channel->clone() : nullptr;
}

// A channel worth storing: present and not an empty loop.
inline bool isAnnounced(const Channel *channel) { return channel && !channel->isEmptyLoop(); }

// True when every announced channel has a binary form.
inline bool canWriteAll(const Channel *const *channels, int count) {
  for (int i = 0; i < count; ++i)
    if (isAnnounced(channels[i]) && !channels[i]->isBinaryWritable())
      return false;
  return true;
}

// A new channel read from the stream; null (nothing kept) when it was cut short.
inline Channel *readChannel(file::ByteProducer &in) {
  Channel *channel = new Channel;
  if (channel->read(in))
    return channel;
  delete channel;
  return nullptr;
}

} // namespace math
