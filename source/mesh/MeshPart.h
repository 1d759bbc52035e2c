#pragma once
// One part of a mesh definition: the textures of its texture units with
// their texture styles, an optional shader, a material, a shade model and
// the index lists it draws.

#include "container/Vector.h"
#include "file/NonCopyable.h"
#include "mesh/IndexList.h"
#include "video/Material.h"

#include <cstdint>

class Texture;
namespace video {
class Shader;
}

namespace mesh {

class MeshPart : public NonCopyable {
public:
  explicit MeshPart(uint32_t id);
  // Deletes its index lists.
  ~MeshPart();

  // Grows the texture list with nulls up to the unit.
  void setTexture(Texture *texture, int unit);
  // Null for a unit beyond the list.
  Texture *texture(int unit) const;
  // Texture-style words; a unit beyond the list has the default style.
  void setUnitValue(uint32_t value, int unit);
  uint32_t unitValue(int unit) const;
  // Every texture's current image is opaque and so is the material.
  bool isOpaque() const;
  // Takes ownership.
  void addIndexList(IndexList *list) { indexLists.push(list); }
  // Deletes the index lists: a part rebuilt from scratch.
  void deleteIndexLists();
  uint32_t textureCount() const { return textures.size(); }

  uint32_t id;
  // Not owned.
  container::Vector<Texture *> textures;
  container::Vector<uint32_t> textureStyles;
  // Not owned; null draws without a program.
  video::Shader *shader = nullptr;
  video::Material material;
  // 0 smooth, 1 flat.
  uint32_t shadeModel = 0;
  // Owned.
  container::Vector<IndexList *> indexLists;
};

} // namespace mesh
