#include "video/TextureAnimationAccess.h"

namespace video {

namespace {
TextureAnimationAccess *installed = nullptr;
}

void TextureAnimationAccess::setInstance(TextureAnimationAccess *access) { installed = access; }
TextureAnimationAccess *TextureAnimationAccess::instance() { return installed; }

} // namespace video
