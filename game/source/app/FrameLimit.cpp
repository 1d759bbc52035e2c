#include "app/FrameLimit.h"

#include "framework/Framework.h"

bool FrameLimit::active(Framework &framework) {
  if (framework.frameStatistics() && framework.frameCount() >= m_frames) {
    framework.setQuit(true);
    return false;
  }
  return LoopHost::active(framework);
}
