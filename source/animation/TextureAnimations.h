#pragma once
// Render passes hold their texture animations through rendering's access
// interface, since animation definitions sit above rendering. This installs
// the definitions' own answers; the framework calls it at start.

namespace animation {

void installTextureAnimations();

} // namespace animation
