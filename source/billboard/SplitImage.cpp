#include "video/SplitImage.h"

// Tiles need the image files and textures; until they are read the picture
// has no size and draws nothing.

SplitImage::SplitImage(const String &, const String &, unsigned int) {}

SplitImage::~SplitImage() { release(); }

void SplitImage::render(video::Canvas &) {}

void SplitImage::release() { m_size = math::Vector2(); }
