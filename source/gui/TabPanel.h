#pragma once
// The views of a tab control, one child per tab in tab order; the control
// shows the selected one and hides the rest.

#include "gui/Widget.h"

namespace GUI {

class TabControl;

class TabPanel : public Widget {
public:
  TabControl *control() const { return m_control; }
  void setControl(TabControl *control) { m_control = control; }

private:
  TabControl *m_control = nullptr;
};

} // namespace GUI
