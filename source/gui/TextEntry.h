#pragma once
// A one-line editable text field: a formatted text in a box that takes
// characters and editing keys while it holds its page's keyboard focus. It
// keeps a cursor and a selection (from the anchor to the cursor), limits
// what may be typed (a filter, a most character count, a most width), keeps
// one step of undo, and runs onChange after every change and onEnter when
// Return is pressed.

#include "container/Vector.h"
#include "gui/Widget.h"
#include "math/Vector2.h"
#include "quip/Array.h"
#include "text/FormattedText.h"
#include "xstring/String.h"

#include <cstdint>
#include <memory>

namespace GUI {

class TextEntryListener;

class TextEntry : public Widget {
public:
  enum Style { BOX = 0, UNDERLINE = 1, NO_DECORATION = 2 };

  TextEntry();
  ~TextEntry() override;

  void update(float dt) override;
  void touch() override;
  void onFocusGained() override;
  void onFocusLost() override;
  // The box; in the box style grown by 1 on every side.
  math::Rectangle localRectangle() const override;
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerUp(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  bool onKeyPress(const framework::InputEvent &event) override;
  bool onCharacter(const framework::InputEvent &event) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void draw(video::Canvas &canvas) override;
  void drawOverlay(video::Canvas &canvas) override;

  // Cursor and anchor go to the end; the text becomes the undo text too.
  void setText(const String &text);
  const String &text() const { return m_text.text(); }
  void selectAll();
  // Owned; null takes the filter away.
  void setFilter(String *filter) { m_filter.reset(filter); }
  // 32 to 256, and in the filter when there is one.
  bool isAcceptable(wchar_t c) const;
  // False for a character that is not acceptable. An acceptable one replaces
  // the selection, then is refused (still true) at a limit.
  bool insertCharacter(wchar_t c, bool notify);
  // False without a selection; the removed characters go to the clipboard
  // with copy.
  bool deleteSelection(bool copy);
  String selectedText() const;
  // The character boundary nearest to a screen point's x (the later one of
  // two as near).
  uint32_t indexAt(math::Vector2 screen) const;
  // Runs onChange and tells the listeners; the cursor shows afresh.
  void changed();
  // Runs onEnter and tells the listeners.
  void entered();

  text::FormattedText &formattedText() { return m_text; }
  const text::FormattedText &formattedText() const { return m_text; }
  void setBoxSize(math::Vector2 size) { m_boxSize = size; }
  math::Vector2 boxSize() const { return m_boxSize; }
  void setBoxPosition(math::Vector2 position) { m_boxPosition = position; }
  math::Vector2 boxPosition() const { return m_boxPosition; }
  void setMaxChars(int count) { m_maxChars = count; }
  void setMaxWidth(int width) { m_maxWidth = width; }
  int maxChars() const { return m_maxChars; }
  int maxWidth() const { return m_maxWidth; }
  uint32_t cursor() const { return m_cursor; }
  uint32_t anchor() const { return m_anchor; }
  bool cursorVisible() const { return m_cursorVisible; }
  math::Vector2 cursorPosition() const { return m_cursorPosition; }
  const String &undoText() const { return m_undoText; }
  void setStyle(int style) { m_style = style; }
  int style() const { return m_style; }
  void setEditable(bool editable) { m_editable = editable; }
  bool editable() const { return m_editable; }
  void setTooltip(const String &tooltip) { m_tooltip = tooltip; }
  const String &tooltip() const { return m_tooltip; }
  void setOnChange(const quip::Array &code) { m_onChange = code; }
  void setOnEnter(const quip::Array &code) { m_onEnter = code; }
  void addListener(TextEntryListener *listener) { m_listeners.push(listener); }

private:
  bool hasFocus() const;
  // The text's left edge: the cursor and hit tests measure from it.
  float textLeft() const;
  void moveCursor(uint32_t index, bool extend);
  void restartBlink();
  bool editKey(const framework::InputEvent &event, bool ctrl);
  bool paste();
  void undo();

  text::FormattedText m_text;
  math::Vector2 m_boxSize;
  math::Vector2 m_boxPosition;
  int m_maxChars = -1;
  int m_maxWidth = -1;
  bool m_cursorVisible = false;
  math::Vector2 m_cursorPosition;
  uint32_t m_cursor = 0;
  uint32_t m_anchor = 0;
  bool m_selecting = false;
  std::unique_ptr<String> m_filter;
  quip::Array m_onChange;
  quip::Array m_onEnter;
  int m_style = BOX;
  float m_blinkTime = 0;
  float m_hoverTime = 0;
  String m_undoText;
  String m_tooltip;
  bool m_editable = true;
  container::Vector<TextEntryListener *> m_listeners;
};

} // namespace GUI
