#pragma once
// A tab control's row of tabs: places its labels side by side (hidden ones
// take no room), tracks the one under the pointer and selects it on a press.
// The control draws the row in two passes, the selected tab last.

#include "container/Vector.h"
#include "gui/Widget.h"
#include "math/Vector2.h"

namespace GUI {

class TabControl;
class TabLabel;

class TabLabelBox : public Widget {
public:
  ~TabLabelBox() override;

  // Fills the tab (white when hovered, light grey when selected, else
  // grey), then lets the label draw its text; nothing for a hidden tab.
  virtual void drawTab(video::Canvas &canvas, uint32_t index, bool hover, bool selected);
  virtual TabLabel *createLabel(const quip::Dictionary &dictionary);

  void update(float dt) override;
  // The first and the last label's tabs together; empty without labels.
  math::Rectangle localRectangle() const override;
  bool onPointerMove(const framework::InputEvent &event) override;
  bool onPointerDown(const framework::InputEvent &event) override;

  // Deletes the old labels; one new label per dictionary of the array.
  void loadLabels(const quip::Array &tabs);
  // Every tab but the one skipped (none for -1), in its transform.
  void renderTabs(video::Canvas &canvas, int skipped);
  // One tab, selected and not hovered, in its transform.
  void renderSelectedTab(video::Canvas &canvas, uint32_t index);

  // The centre of tab i: a tab width for every visible tab before it.
  math::Vector2 tabCentre(uint32_t index) const;
  math::Rectangle tabRectangle(uint32_t index) const;
  // The lowest visible index, or -1.
  int firstVisible() const;

  TabControl *control() const { return m_control; }
  void setControl(TabControl *control) { m_control = control; }
  uint32_t labelCount() const { return m_labels.size(); }
  TabLabel *label(uint32_t index) const { return m_labels[index]; }
  bool hovering() const { return m_hovering; }
  uint32_t hover() const { return m_hover; }

private:
  math::Vector2 tabSize() const;
  void deleteLabels();

  TabControl *m_control = nullptr;
  container::Vector<TabLabel *> m_labels;
  uint32_t m_hover = 0;
  bool m_hovering = false;
};

} // namespace GUI
