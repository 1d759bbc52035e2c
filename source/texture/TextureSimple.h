#pragma once
// One image that becomes one OpenGL texture object, uploaded on first use.

#include "math/Color.h"
#include "surface/PixelBuffer.h"
#include "texture/Texture.h"
#include "texture/TextureFormats.h"

class TextureSimple : public Texture {
public:
  // Where the image lies in the texture file.
  struct MonolithAddress {
    uint32_t colorOffset = 0;
    uint32_t colorSize = 0;
    uint32_t alphaOffset = 0;
    uint32_t alphaSize = 0;
    uint32_t format = TEXTURE_FORMAT_COUNT;
    void read(file::ByteProducer &in);
    void write(file::ByteReceiver &out) const;
  };

  explicit TextureSimple(Database *database) : Texture(database) {}
  // Takes the image over; it is not in the texture file.
  TextureSimple(Database *database, Symbol name, PixelBuffer *pixels);
  ~TextureSimple() override;

  uint32_t kind() const override { return SIMPLE; }
  void read(file::ByteProducer &in) override;
  void write(file::ByteReceiver &out) const override;
  void load() override;
  TextureSimple *currentFrame() override { return this; }
  void unload() override;
  void reload() override;

  // Uploads first when there is no OpenGL object yet.
  uint32_t glName();
  // The name without uploading: 0 before the first draw.
  uint32_t existingGLName() const { return m_glName; }
  bool uploaded() const { return m_uploaded; }
  // The held image, read from the texture file when none is held.
  PixelBuffer *pixels();
  bool holdsPixels() const { return m_pixels != nullptr; }
  // Replaces (and deletes) the held image and takes its format and width.
  void setPixels(PixelBuffer *pixels);
  // The pixel at (x, y) wrapped into the listed size (the image's width
  // when none is listed).
  math::PackedColor colorAt(uint32_t x, uint32_t y);
  // Decodes a png or jpeg image from the texture file; an image that does
  // not decode or is not a square power of two becomes the magenta
  // placeholder of the listed size.
  void loadPixelBuffer(PixelBuffer &out);

  // The image settings (the record's first block).
  uint32_t listedSize = 0;
  bool mipmap = false;
  bool wrap = true;
  bool inMonolith = true;
  bool opaque = true;
  uint32_t pixelFormat = PixelBuffer::NONE;
  void readSettings(file::ByteProducer &in);
  void writeSettings(file::ByteReceiver &out) const;

  MonolithAddress address;

private:
  void createOpenGLTexture();
  void uploadOpenGLPixelData();
  void bind();
  void uploadStored();
  bool uploadULV();
  bool uploadPVR();

  PixelBuffer *m_pixels = nullptr;
  uint32_t m_glName = 0;
  bool m_uploaded = false;
};

// A listed-size x listed-size rgb888 magenta image; 32 when the size is not
// a non-zero power of two.
void makeMagentaPlaceholder(uint32_t listedSize, PixelBuffer &out);
bool isPowerOfTwo(uint32_t n);
