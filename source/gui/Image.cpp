#include "gui/Image.h"

#include "billboard/Billboard2D.h"
#include "file/BinaryPrimitives.h"
#include "file/Database.h"
#include "gui/DictionaryRead.h"
#include "texture/Texture.h"
#include "video/Canvas.h"

namespace GUI {

namespace {
enum Flags : uint8_t { SNAP = 1, HAS_COLOR = 2 };
const math::Color WHITE(1.0f, 1.0f, 1.0f, 1.0f);
} // namespace

Image::Image() = default;
Image::~Image() = default;

void Image::setBillboard(Billboard2D *billboard) {
  if (billboard != m_billboard.get())
    m_billboard.reset(billboard);
}

math::Rectangle Image::localRectangle() const {
  if (!m_billboard)
    return math::Rectangle();
  return math::Rectangle(m_billboard->size, true);
}

void Image::draw(video::Canvas &canvas) {
  if (!m_billboard)
    return;
  if (m_snapTranslation) {
    canvas.pushMatrix();
    canvas.snapTranslation();
  }
  canvas.pushColor();
  canvas.multiplyColor(m_color);
  m_billboard->render(canvas);
  canvas.popColor();
  if (m_snapTranslation)
    canvas.popMatrix();
}

void Image::touch() {
  if (m_billboard && m_billboard->texture())
    m_billboard->texture()->load();
  Widget::touch();
}

void Image::serialize(file::ByteReceiver &out) const {
  Widget::serialize(out);
  file::write(uint8_t(m_billboard ? 1 : 0), out);
  if (m_billboard)
    m_billboard->writeBinary(Database::current(), out);
  bool tinted = !(m_color == WHITE);
  file::write(uint8_t((m_snapTranslation ? SNAP : 0) | (tinted ? HAS_COLOR : 0)), out);
  if (tinted) {
    file::write(m_color.r, out);
    file::write(m_color.g, out);
    file::write(m_color.b, out);
    file::write(m_color.a, out);
  }
}

void Image::deserialize(file::ByteProducer &in) {
  Widget::deserialize(in);
  uint8_t hasBillboard = 0;
  file::read(hasBillboard, in);
  m_billboard.reset();
  if (hasBillboard) {
    auto billboard = std::make_unique<Billboard2D>();
    // A record that does not read whole is dropped (its reader reported it).
    if (billboard->readBinary(Database::current(), in))
      m_billboard = std::move(billboard);
  }
  uint8_t flags = 0;
  file::read(flags, in);
  m_snapTranslation = (flags & SNAP) != 0;
  m_color = WHITE;
  if (flags & HAS_COLOR) {
    file::read(m_color.r, in);
    file::read(m_color.g, in);
    file::read(m_color.b, in);
    file::read(m_color.a, in);
  }
}

void Image::load(const quip::Dictionary &d) {
  Widget::load(d);
  if (const quip::Token *value = typedValue(d, SYM(L"billboard"), quip::TYPE_DICTIONARY)) {
    auto *billboard = new Billboard2D;
    billboard->read(Database::current(), value->dictionary());
    setBillboard(billboard);
  }
  readTruth(d, SYM(L"snapTranslation"), m_snapTranslation);
  readValue(d, SYM(L"color"), m_color);
}

} // namespace GUI
