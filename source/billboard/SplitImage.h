#pragma once
// A picture cut into square tiles, each a texture of its own and a 2-D
// billboard on it, drawn together centred on the origin with y up: for
// pictures larger than a texture may be (splash pictures, the loading
// screen). Tile k's texture is named by the prefix and k with "%02d".

#include "container/Vector.h"
#include "math/Vector2.h"
#include "video/Renderable.h"
#include "xstring/String.h"

class Billboard2D;
class Database;
class PixelBuffer;

class SplitImage : public video::Renderable {
public:
  // A picture that does not load is reported and leaves the image empty.
  SplitImage(const String &fileName, const String &prefix, unsigned int tileSize);
  SplitImage(const PixelBuffer &picture, const String &prefix, unsigned int tileSize);
  SplitImage(const SplitImage &) = delete;
  SplitImage &operator=(const SplitImage &) = delete;
  ~SplitImage() override;

  // Replaces the tiles by those of the picture, their textures added to the
  // current database's texture manager.
  void build(const PixelBuffer &picture, const String &prefix, unsigned int tileSize);
  // Takes the tiles off, last first, with their textures and any billboard
  // prototype made under a tile's name.
  void release();

  // Width and height in pixels; 0 while there is no picture.
  const math::Vector2 &size() const { return m_size; }
  uint32_t tileCount() const { return m_tiles.size(); }
  const Billboard2D &tile(uint32_t index) const { return *m_tiles[index]; }
  void render(video::Canvas &canvas) override;

private:
  container::Vector<Billboard2D *> m_tiles;
  math::Vector2 m_size;
  Database *m_database = nullptr;
};
