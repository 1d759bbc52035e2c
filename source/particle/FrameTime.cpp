#include "particle/FrameTime.h"

namespace {
FrameTimeSource g_source = nullptr;
}

void setParticleFrameTimeSource(FrameTimeSource source) { g_source = source; }

float particleFrameTime() { return g_source ? g_source() : 0.033f; }
