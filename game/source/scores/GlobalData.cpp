#include "scores/GlobalData.h"

#include "file/BinaryPrimitives.h"

void GlobalData::read(file::ByteProducer &in) {
  m_answer.read(in);
  file::read(m_stamp.known, in);
}

void GlobalData::write(file::ByteReceiver &out) const {
  m_answer.write(out);
  file::write(m_stamp.known, out);
}

void GlobalData::reset() {
  m_answer.reset();
  m_stamp.clear();
}

void GlobalData::setAnswer(const ScoreRank &answer) {
  m_answer = answer;
  m_stamp.markLive();
}
