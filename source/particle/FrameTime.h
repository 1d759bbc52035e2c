#pragma once
// The step of the last frame, as the framework's main loop stored it. Movers
// scale a particle's implicit velocity by this step's ratio to the last one.
// The framework lives above the particles, so it installs the source at
// start; without one the step is 0.033 s, the framework's own start value.

using FrameTimeSource = float (*)();

void setParticleFrameTimeSource(FrameTimeSource source);
float particleFrameTime();
