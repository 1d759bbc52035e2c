#pragma once
// A one-line box showing the current choice; a press opens the list of
// items beside it, and choosing one makes it the text, runs "onChange" and
// closes the list. While open it holds its page's pointer capture and draws
// the list in the overlay pass. The list opens toward smaller y unless it
// would reach below the bottom of the screen there.

#include "container/Vector.h"
#include "gui/Widget.h"
#include "quip/Array.h"
#include "text/TextFormat.h"
#include "xstring/String.h"

class Font;

namespace GUI {

class DropDownListener;

class DropDown : public Widget {
public:
  DropDown();

  void update(float dt) override;
  // The box grown by 2 on every side.
  math::Rectangle localRectangle() const override;
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerUp(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  void load(const quip::Dictionary &dictionary) override;
  void write(quip::Dictionary &dictionary) const override;
  void draw(video::Canvas &canvas) override;
  void drawOverlay(video::Canvas &canvas) override;

  // Takes the page's pointer capture; nothing outside a page.
  void open();
  void close();
  // The width from the widest text (10 more), the list's height from the
  // items; a changed width asks for a layout.
  void measure();
  // Starts onChange (it runs with the other scripts), then tells the
  // listeners.
  void fireChange();

  void setText(const String &text) { m_text = text; }
  const String &text() const { return m_text; }
  void setItems(const container::Vector<String> &items);
  uint32_t itemCount() const { return m_items.size(); }
  const String &item(uint32_t i) const { return m_items[i]; }
  // Null when the current database has no font of that name.
  void setFont(Symbol name);
  Font *font() const { return m_font; }
  void addListener(DropDownListener *listener) { m_listeners.push(listener); }
  void setOnChange(const quip::Array &code) { m_onChange = code; }
  void setSpacing(float spacing) { m_spacing = spacing; }

  bool isOpen() const { return m_isOpen; }
  bool flipped() const { return m_flipped; }
  int hover() const { return m_hover; }
  float width() const { return m_width; }
  float listHeight() const { return m_listHeight; }
  math::Rectangle boxRectangle() const;
  math::Rectangle listRectangle() const;

private:
  // 0 without a font.
  float textWidth(const String &text) const;
  void choose();
  // y of item i's centre.
  float itemCentre(uint32_t i) const;
  void drawText(video::Canvas &canvas, const String &text, math::Vector2 at);

  Font *m_font = nullptr;
  bool m_isOpen = false;
  float m_spacing = 17.0f;
  float m_width = 0;
  float m_listHeight = 0;
  String m_text;
  container::Vector<String> m_items;
  int m_hover = -1;
  quip::Array m_onChange;
  bool m_flipped = false;
  container::Vector<DropDownListener *> m_listeners;
  // The box's and the items' text: left edge, vertically centred.
  text::TextFormat m_format;
};

} // namespace GUI
