#pragma once
// The answers rendering asks of textures (video::TextureAccess), given by
// this module. The framework installs them at start-up.

namespace video {
class TextureAccess;
}

// The one access object; installing it twice changes nothing.
video::TextureAccess &textureAnswers();
void installTextureAnswers();
