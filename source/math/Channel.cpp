#include "math/Channel.h"
#include "math/Scalar.h"

#include <cmath>

namespace math {

Channel::~Channel() { clearFrames(); }

void Channel::clearFrames() {
  for (Frame *f : m_frames)
    delete f;
  m_frames.clear();
}

unsigned Channel::addFrame(Frame *frame) {
  m_frames.push(frame);
  unsigned n = m_frames.size();
  if (n > 1) {
    Frame *previous = m_frames[n - 2];
    previous->setNext(frame);
    frame->setPrevious(previous);
  }
  return n;
}

void Channel::insertFrame(Frame *frame, unsigned index) {
  if (index >= m_frames.size()) {
    m_frames.push(frame);
  } else {
    m_frames.push(frame);
    for (unsigned i = m_frames.size() - 1; i > index; --i)
      m_frames.swap(i, i - 1);
  }
  relink();
}

void Channel::removeFrame(unsigned index) {
  if (index >= m_frames.size())
    return;
  delete m_frames.removeAt(index);
  relink();
}

void Channel::relink() {
  for (unsigned i = 0; i + 1 < m_frames.size(); ++i) {
    m_frames[i]->setNext(m_frames[i + 1]);
    m_frames[i + 1]->setPrevious(m_frames[i]);
  }
}

float Channel::duration() const { return m_frames.isEmpty() ? 0.0f : m_frames.last()->time(); }

Frame *Channel::frameAt(float time) const {
  if (m_frames.isEmpty())
    return nullptr;
  float d = duration();
  if (m_loop && d > 0.0f && time > d) {
    // Wrapped into (0, d]: a whole number of durations lands on d, not 0.
    // Done with fmod, as repeated subtraction never ends once d is below
    // the rounding step of a large time.
    float wrapped = float(std::fmod(double(time), double(d)));
    time = wrapped == 0.0f ? d : wrapped;
  }
  unsigned i = 0;
  while (i + 1 < m_frames.size() && !(m_frames[i + 1]->time() > time))
    ++i;
  return m_frames[i];
}

float Channel::evaluate(float base, float time) const {
  unsigned n = m_frames.size();
  if (n == 0)
    return base;
  float d = m_frames[n - 1]->time();
  if (m_loop && d > 0.0f)
    time = math::wrap(time, d);
  if (time < m_frames[0]->time())
    return base;
  if (n == 1)
    return m_frames[0]->value(base, 0.0f);
  float v = base;
  for (unsigned i = 0, j = 1; j < n; i = j++) {
    float ti = m_frames[i]->time();
    float tj = m_frames[j]->time();
    if (time < tj) {
      float progress = tj == ti ? 1.0f : (time - ti) / (tj - ti);
      return m_frames[i]->value(v, progress);
    }
    v = m_frames[i]->value(v, 1.0f);
  }
  return v;
}

Channel *Channel::clone() const {
  Channel *c = new Channel;
  c->m_loop = m_loop;
  for (const Frame *f : m_frames)
    c->addFrame(f->clone());
  return c;
}

} // namespace math
