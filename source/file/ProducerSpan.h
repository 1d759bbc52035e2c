#pragma once
// A stretch [start, end) of another producer, such as one sound inside the
// packed sound file. The producer is not owned.

#include "file/ByteProducer.h"

namespace file {

class ProducerSpan {
public:
  enum Origin { FromStart = 0, FromCurrent = 1, FromEnd = 2 };

  // The whole producer, measured from position 0; its position is restored.
  explicit ProducerSpan(ByteProducer &producer);
  ProducerSpan(ByteProducer &producer, uint32_t start, uint32_t end)
      : m_start(start), m_end(end), m_producer(&producer) {}

  void seekToStart() { m_producer->seek(m_start); }
  void seekToEnd() { m_producer->seek(m_end); }
  uint32_t length() const { return m_end - m_start; }
  uint32_t tell() { return m_producer->tell() - m_start; }
  // False for an unknown origin or a target before the start (the producer
  // then stays where it was).
  bool seek(long offset, int origin);

  uint32_t start() const { return m_start; }
  uint32_t end() const { return m_end; }
  ByteProducer &producer() { return *m_producer; }

private:
  uint32_t m_start;
  uint32_t m_end;
  ByteProducer *m_producer;
};

} // namespace file
