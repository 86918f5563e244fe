// A clear that names the depth buffer while none is bound: the device refuses it (and on
// Windows clears nothing at all), so the helper drops the depth part and the target is cleared.
#include <gtest/gtest.h>

#include "render/clear_bound_surfaces.h"
#include "render/com_references.h"
#include "tests/support/scene_device_test.h"

namespace scene_testing {
namespace {

class ClearBoundSurfacesTest : public SceneDeviceTest {};

TEST_F(ClearBoundSurfacesTest, ClearsTheTargetWhetherOrNotADepthBufferIsBound) {
  IDirect3DSurface9* depth = nullptr;
  ASSERT_EQ(D3D_OK, device->GetDepthStencilSurface(&depth));
  for (bool withDepth : {true, false}) {
    SCOPED_TRACE(withDepth ? "with a depth buffer" : "without one");
    device->SetDepthStencilSurface(withDepth ? depth : nullptr);
    Clear(Blue);
    if (!withDepth) {
      EXPECT_NE(D3D_OK, device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, Red, 1, 0));
      Clear(Blue);
    }
    EXPECT_EQ(D3D_OK, ClearBoundSurfaces(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, Red, 1, 0));
    EXPECT_COLOR_NEAR(ReadPixel(10, 10), Red, 2);
    EXPECT_EQ(D3D_OK, ClearBoundSurfaces(D3DCLEAR_ZBUFFER, Green, 1, 0));
    EXPECT_COLOR_NEAR(ReadPixel(10, 10), Red, 2) << "a depth-only clear leaves the target";
  }
  device->SetDepthStencilSurface(depth);
  ReleaseAndNull(&depth);
}

}  // namespace
}  // namespace scene_testing
