#pragma once
// A picture cut into square tiles, drawn together centred on the origin, for
// pictures larger than a texture may be (splash pictures, the loading screen).

#include "math/Vector2.h"
#include "video/Renderable.h"
#include "xstring/String.h"

class SplitImage : public video::Renderable {
public:
  // The caller makes sure the file is there.
  SplitImage(const String &fileName, const String &prefix, unsigned int tileSize);
  SplitImage(const SplitImage &) = delete;
  SplitImage &operator=(const SplitImage &) = delete;
  ~SplitImage() override;

  // Width and height in pixels; 0 until the picture is built.
  const math::Vector2 &size() const { return m_size; }
  void render(video::Canvas &canvas) override;
  void release();

private:
  math::Vector2 m_size;
};
