#pragma once
// A paragraph of rich-text mark-up: parsed into a node tree, laid out into
// lines wrapped to a width, drawn left, centre or right justified, with an
// optional typewriter reveal. Its top-left corner is at its position.

#include "container/Vector.h"
#include "math/Rectangle.h"
#include "math/Spatial2D.h"
#include "text/RichTextLayout.h"
#include "text/TextFormat.h"
#include "video/Renderable.h"
#include "xstring/String.h"

namespace text {

namespace richText {
class NodeParagraph;
}

class RichText : public video::Renderable, public math::Spatial2D {
public:
  // The base format has the default font and the left and top anchor.
  RichText();
  RichText(const RichText &) = delete;
  RichText &operator=(const RichText &) = delete;
  ~RichText() override;

  // Parses the text (its problems logged) and lays it out.
  void setText(const String &text);
  const String &text() const { return m_text; }
  // A width <= 0 turns wrapping off.
  void setWidth(float width);
  float width() const { return m_layout.wrapWidth; }
  void setLineSpacing(float spacing);
  float lineSpacing() const { return m_layout.lineSpacing; }
  // 0 left, 1 centre, 2 right.
  void setJustification(int justification) { m_justification = justification; }
  // "left", "center", "right"; any other keyword is left.
  void setJustification(Symbol keyword);
  int justification() const { return m_justification; }
  // Takes ownership; the previous one is deleted. Null turns the reveal off.
  void setReveal(RichTextReveal *reveal);
  RichTextReveal *reveal() const { return m_reveal; }
  // A reveal of the "speed" a dictionary gives.
  static RichTextReveal *readReveal(const quip::Dictionary &dictionary);

  // The base format; lay out again after changing its font or scale.
  TextFormat &format() { return m_format; }
  void relayout();

  void update(float dt) override;
  void render(video::Canvas &canvas) override;
  // (0, -H, W, H): H the lines' heights, W the wrap width or the widest line.
  math::Rectangle getBounds() const;

  const RichTextLayout &layout() const { return m_layout; }
  richText::NodeParagraph *root() const { return m_root; }
  // The problems of the last parse.
  const container::Vector<String> &parseMessages() const { return m_messages; }

  // Flags (1 wrap width, 2 line spacing, 4 left, 8 right, 16 centre), the
  // values they announce, the format record and the mark-up.
  void write(file::ByteReceiver &out) const;
  bool read(Database *database, file::ByteProducer &in);

private:
  TextFormat m_format;
  int m_justification = 0;
  String m_text;
  richText::NodeParagraph *m_root = nullptr;
  RichTextLayout m_layout;
  RichTextReveal *m_reveal = nullptr;
  container::Vector<String> m_messages;
};

} // namespace text
