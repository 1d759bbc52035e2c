#pragma once
// The engine's enumerations as OpenGL values.

namespace video {

// GL format and type of a pixel-buffer format; other formats leave both as
// the caller set them.
void glFormatForPixelFormat(int pixelFormat, unsigned int &format, unsigned int &type);
// Triangle strip and fan; lists and any other value give GL_TRIANGLES.
unsigned int glPrimitiveMode(int primitive);

} // namespace video
