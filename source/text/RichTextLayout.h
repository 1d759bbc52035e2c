#pragma once
// What laying out and drawing a rich-text tree carry along: the current
// format, the lines laid out so far, and, while drawing, the canvas, the
// line being drawn, the cursor on it and the advance drawn so far.

#include "container/Vector.h"
#include "math/Vector2.h"

namespace video {
class Canvas;
}

namespace text {

class TextFormat;

// The typewriter reveal: time x speed units of advance are shown.
struct RichTextReveal {
  float time = 0.0f;
  float speed = 100.0f;
};

class RichTextLayout {
public:
  // Back to the base format with no lines.
  void reset(TextFormat &base);
  // A space at the start of a line is dropped; any other item too wide for
  // the rest of the line (when wrapping) ends the line first.
  void addItem(float width, float height, bool isSpace);
  // The next line starts at the current format's font height.
  void endLine();
  // The last line, when it holds anything.
  void finish();

  // The justification width: the wrap width when set, else the widest line.
  float justifiedWidth() const { return wrapWidth >= 0.0f ? wrapWidth : widest; }
  float totalHeight() const;

  TextFormat *current = nullptr;
  float wrapWidth = -1.0f;
  float lineSpacing = 0.0f;
  // (width, height) per line.
  container::Vector<math::Vector2> lines;
  float lineWidth = 0.0f;
  float lineHeight = 0.0f;
  float widest = 0.0f;
};

struct RichTextDrawContext {
  enum Justification { LEFT = 0, CENTER = 1, RIGHT = 2 };

  RichTextDrawContext(video::Canvas &canvas, const RichTextLayout &layout, TextFormat &format,
                      int justification, const RichTextReveal *reveal)
      : canvas(canvas), layout(layout), format(&format), justification(justification),
        reveal(reveal) {}

  // Translates to the first line's start.
  void begin();
  // The next line when the item does not fit the rest of the laid-out
  // line; then the cursor and the drawn advance take the item.
  void place(float width);
  // To the start of the next line, when there is one.
  void nextLine();
  float offsetOf(uint32_t line) const;

  video::Canvas &canvas;
  const RichTextLayout &layout;
  TextFormat *format;
  int justification;
  const RichTextReveal *reveal;
  uint32_t line = 0;
  float offset = 0.0f;
  float cursor = 0.0f;
  float drawn = 0.0f;
};

} // namespace text
