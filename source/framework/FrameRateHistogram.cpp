#include "framework/FrameRateHistogram.h"

#include "math/Scalar.h"
#include "xstring/Print.h"

#include <algorithm>
#include <cstdio>

void FrameRateHistogram::add(uint32_t ticks) {
  if (uint32_t *n = m_counts.lookup(ticks))
    ++*n;
  else
    m_counts.put(ticks, 1);
}

uint32_t FrameRateHistogram::count(uint32_t ticks) const { return m_counts.get(ticks); }

uint32_t FrameRateHistogram::totalFrames() const {
  uint32_t total = 0;
  m_counts.forEach([&](uint32_t, uint32_t n) { total += n; });
  return total;
}

String FrameRateHistogram::text() const {
  String rule;
  for (int i = 0; i < 84; ++i)
    rule += L'-';
  rule += L'\n';

  String out(rule);
  out += L"Frame rate histogram (number of ticks, number of frames, percentage of total frames)\n";
  uint32_t total = 0, maxCount = 0;
  m_counts.forEach([&](uint32_t, uint32_t n) {
    total += n;
    maxCount = std::max(maxCount, n);
  });
  float scale = maxCount ? 40.0f / float(maxCount) : 1.0f;
  // Rows in tick order; walking the keys rather than every value up to the
  // largest keeps a single huge frame (a clock jump) cheap.
  container::Vector<uint32_t> ticks = m_counts.keys();
  std::sort(ticks.data(), ticks.data() + ticks.size());
  for (uint32_t i = 0; i < ticks.size(); ++i) {
    uint32_t n = m_counts.get(ticks[i]);
    if (!n)
      continue;
    out += String::format(L"%-4u) ", ticks[i]);
    for (int s = math::round(float(n) * scale); s > 0; --s)
      out += L'*';
    out += String::format(L" (%u frames, %.2f%%)\n", n, double(n) * 100.0 / double(total));
  }
  out += rule;
  return out;
}

void FrameRateHistogram::print() const { xstring::write(stderr, text()); }
