#include "camera/CameraController.h"
#include "camera/Camera.h"

#include <gtest/gtest.h>

namespace {

struct RecordingController : CameraController {
  Camera *attached = nullptr;
  int attachCount = 0;
  void attach(Camera &camera) override {
    attached = &camera;
    ++attachCount;
  }
};

struct Owner : CameraControllerOwner {
  CameraControllerTable table;
  CameraControllerTable &cameraControllers() override { return table; }
};

} // namespace

TEST(CameraController, CameraAttachesAndDetachesItsNamedController) {
  Owner owner;
  RecordingController heli;
  owner.table.put(Symbol::intern(L"heli"), &heli);

  struct Case {
    const wchar_t *name;
    bool attaches;
  };
  const Case cases[] = {{L"", false}, {L"heli", true}, {L"nobody", false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    heli.attached = nullptr;
    heli.attachCount = 0;
    Camera camera;
    camera.setController(Symbol::intern(c.name));
    camera.attachController(owner);
    EXPECT_EQ(heli.attachCount, c.attaches ? 1 : 0);
    EXPECT_EQ(heli.attached, c.attaches ? &camera : nullptr);
    EXPECT_EQ(heli.isActive(), c.attaches);

    camera.detachController(owner);
    EXPECT_FALSE(heli.isActive());
    EXPECT_EQ(heli.attachCount, c.attaches ? 1 : 0); // detaching takes nothing
  }
}
