#pragma once
// Shows a drop made from a named definition of the asset database.

#include "gui/Widget.h"

class Drop;

namespace GUI {

class DropWidget : public Widget {
public:
  ~DropWidget() override;

  // A drop flies outside the widget's box.
  bool isCullable() const override { return false; }
  void update(float dt) override;
  void draw(video::Canvas &canvas) override;
  // "drop": a name the drop factory does not hold is reported and changes
  // nothing.
  void load(const quip::Dictionary &dictionary) override;

  // Owned; the old one is deleted.
  void setDrop(Drop *drop);
  Drop *drop() const { return m_drop; }

private:
  Drop *m_drop = nullptr;
};

} // namespace GUI
