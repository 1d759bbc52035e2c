#include "mesh/MeshPart.h"

#include "video/RenderKeywords.h"
#include "video/TextureAccess.h"

namespace mesh {

MeshPart::MeshPart(uint32_t id) : id(id) {}

MeshPart::~MeshPart() { deleteIndexLists(); }

void MeshPart::deleteIndexLists() {
  for (IndexList *list : indexLists)
    delete list;
  indexLists.clear();
}

void MeshPart::setTexture(Texture *texture, int unit) {
  if (unit < 0)
    return;
  while (textures.size() <= uint32_t(unit))
    textures.push(nullptr);
  textures[uint32_t(unit)] = texture;
}

Texture *MeshPart::texture(int unit) const {
  return unit >= 0 && uint32_t(unit) < textures.size() ? textures[uint32_t(unit)] : nullptr;
}

void MeshPart::setUnitValue(uint32_t value, int unit) {
  if (unit < 0)
    return;
  while (textureStyles.size() <= uint32_t(unit))
    textureStyles.push(video::textureStyle::NORMAL);
  textureStyles[uint32_t(unit)] = value;
}

uint32_t MeshPart::unitValue(int unit) const {
  return unit >= 0 && uint32_t(unit) < textureStyles.size() ? textureStyles[uint32_t(unit)]
                                                            : video::textureStyle::NORMAL;
}

bool MeshPart::isOpaque() const {
  for (Texture *texture : textures)
    if (texture && !video::textureIsOpaque(texture))
      return false;
  return material.isOpaque();
}

} // namespace mesh
