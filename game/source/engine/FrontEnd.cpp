#include "engine/FrontEnd.h"

namespace {
FrontEnd *g_frontEnd = nullptr;
} // namespace

FrontEnd *FrontEnd::installed() { return g_frontEnd; }

void FrontEnd::install(FrontEnd *frontEnd) { g_frontEnd = frontEnd; }

GameProfile *FrontEnd::currentProfile() { return g_frontEnd ? &g_frontEnd->profile() : nullptr; }

bool FrontEnd::testerPlaying() { return g_frontEnd && g_frontEnd->testerActive(); }

FrontEnd::~FrontEnd() {
  if (g_frontEnd == this)
    g_frontEnd = nullptr;
}
