#include "file/ProducerSpan.h"

namespace file {

ProducerSpan::ProducerSpan(ByteProducer &producer) : m_start(0), m_producer(&producer) {
  uint32_t position = producer.tell();
  producer.seek(0);
  m_end = producer.bytesRemaining();
  producer.seek(position);
}

bool ProducerSpan::seek(long offset, int origin) {
  int64_t target;
  switch (origin) {
  case FromStart:
    target = int64_t(m_start) + offset;
    break;
  case FromCurrent:
    target = int64_t(m_producer->tell()) + offset;
    break;
  case FromEnd:
    target = int64_t(m_end) + offset;
    break;
  default:
    return false;
  }
  if (target < int64_t(m_start) || target > int64_t(UINT32_MAX))
    return false;
  m_producer->seek(uint32_t(target));
  return true;
}

} // namespace file
