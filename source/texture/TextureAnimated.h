#pragma once
// An ordered list of simple textures of the same manager, shown one after
// the other, one frame per update.

#include "container/Vector.h"
#include "texture/Texture.h"
#include "xstring/String.h"

namespace quip {
class Dictionary;
}

class TextureAnimated : public Texture {
public:
  explicit TextureAnimated(Database *database) : Texture(database) {}

  uint32_t kind() const override { return ANIMATED; }
  // The record, then the frames looked up in the manager.
  void read(file::ByteProducer &in) override;
  void write(file::ByteReceiver &out) const override;
  // With no frames, stays at 0.
  void advanceFrame() override;
  void load() override;
  // Null when no frame was found.
  TextureSimple *currentFrame() override;
  void unload() override;
  void reload() override;

  // Reads only the record's fields, without looking up frames.
  void readRecord(file::ByteProducer &in);
  // Frames base + numberFormat of 1..numFrames among the manager's simple
  // textures; each missing or non-simple one is reported and skipped.
  void resolveFrames();
  void writeDefinition(quip::Dictionary &dictionary) const;
  void readDefinition(const quip::Dictionary &dictionary);

  uint32_t current() const { return m_current; }
  const container::Vector<TextureSimple *> &frames() const { return m_frames; }

  uint32_t numFrames = 0;
  String base;
  String numberFormat = String(L"%d");

private:
  uint32_t m_current = 0;
  container::Vector<TextureSimple *> m_frames;
};
