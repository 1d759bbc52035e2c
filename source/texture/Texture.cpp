#include "texture/Texture.h"

#include "file/TextBinary.h"
#include "video/Canvas.h"

Texture::~Texture() {
  if (video::Canvas *canvas = video::Canvas::instance())
    canvas->forgetTexture(this);
}

void Texture::read(file::ByteProducer &in) { file::read(m_name, in); }

void Texture::write(file::ByteReceiver &out) const { file::write(m_name, out); }
