#include "app/FrameLimit.h"

#include "framework/Framework.h"

bool FrameLimit::active(Framework &framework) {
  bool active = LoopHost::active(framework);
  if (active && framework.state() == FRAMEWORK_RUNNING && ++m_drawn >= m_frames)
    framework.setQuit(true);
  return active;
}
