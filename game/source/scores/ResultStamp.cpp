#include "scores/ResultStamp.h"

#include "framework/Framework.h"

namespace {
float frameworkTime() { return Framework::exists() ? Framework::instance()->totalTime() : 0.0f; }
} // namespace

void ResultStamp::markLive() {
  known = true;
  live = true;
  time = frameworkTime();
}

bool ResultStamp::isLive() const { return live && time + maxAge >= frameworkTime(); }
