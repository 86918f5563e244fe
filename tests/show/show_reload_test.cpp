// Loading the built-in show, preparing every slide, playing a few frames and letting it all go,
// over and over on one device: the device holds nothing of it afterwards, and the process keeps
// under a megabyte a load (about 0.6 measured; one picture or capture target left behind would
// be 4 MB or more a load).
#include <gtest/gtest.h>

#include "render/picture_position.h"
#include "show/project_document.h"
#include "tests/support/scene_device_test.h"
#include "tools/benchmark/process_memory.h"

namespace {

class ShowReloads : public scene_testing::SceneDeviceTest {
protected:
  void LoadPlayAndRelease() {
    ProjectDocument document = LoadProjectDocument();
    ASSERT_NE(nullptr, document.root);
    for (const RefHolder<KQ_SlideContainer>& slide : document.root->Slides()) slide->InitSlide();
    document.root->SetPicturePosition(PositionFit);
    for (int frame = 0; frame < 3; ++frame) {
      document.root->FrameMove(frame / 30.0f);
      device->BeginScene();
      document.root->Render();
      device->EndScene();
      device->Present(nullptr, nullptr, nullptr, nullptr);
    }
    ReadPixel(0, 0);  // waits until the device has drawn every frame
  }

  ULONG DeviceReferences() {
    device->AddRef();
    return device->Release();
  }
};

TEST_F(ShowReloads, LeaveNoDeviceObjectAndLittleMemoryBehind) {
  // The first loads bring what stays for the process: the content pack, the renderer's shaders.
  for (int warmUp = 0; warmUp < 2; ++warmUp) LoadPlayAndRelease();
  const ULONG references = DeviceReferences();
  const double megabytes = CurrentProcessMemory().privateMegabytes;
  constexpr int Loads = 20;
  for (int load = 0; load < Loads; ++load) LoadPlayAndRelease();
  EXPECT_EQ(references, DeviceReferences());
  EXPECT_LT(CurrentProcessMemory().privateMegabytes - megabytes, 1.0 * Loads)
      << "megabytes kept by " << Loads << " loads";
}

}  // namespace
