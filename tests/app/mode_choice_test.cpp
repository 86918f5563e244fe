// Which full-screen mode a device starts with, the step down after a failure, and the adapter
// of a windowed device.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "app/mode_choice.h"

namespace {

struct Size {
  UINT width, height;
};

std::unique_ptr<DeviceInfo> Device(D3DDEVTYPE type, std::initializer_list<Size> sizes) {
  auto device = std::make_unique<DeviceInfo>();
  device->deviceType = type;
  for (const Size& size : sizes) {
    device->modes[device->modeCount++] = {size.width, size.height, D3DFMT_X8R8G8B8, 0, D3DFMT_D16};
  }
  return device;
}

std::unique_ptr<AdapterInfo> Adapter(UINT desktopWidth, UINT desktopHeight, UINT userWidth = 0,
                                     UINT userHeight = 0) {
  auto adapter = std::make_unique<AdapterInfo>();
  adapter->desktopMode = {desktopWidth, desktopHeight, 60, D3DFMT_X8R8G8B8};
  adapter->userWidth = userWidth;
  adapter->userHeight = userHeight;
  adapter->userFormat = D3DFMT_X8R8G8B8;
  return adapter;
}

const std::initializer_list<Size> SortedModes = {{640, 400},  {640, 480},  {800, 600},
                                                  {1024, 768}, {1280, 720}, {1280, 1024}};

struct ChoiceCase {
  const char* name;
  D3DDEVTYPE type;
  UINT userWidth, userHeight;
  UINT expected;
};

const ChoiceCase ChoiceCases[] = {
    {"hardware: the desktop's size", D3DDEVTYPE_HAL, 0, 0, 3},
    {"software: the smallest height other than 400", D3DDEVTYPE_SW, 0, 0, 1},
    {"the stored mode when the device has it", D3DDEVTYPE_HAL, 800, 600, 2},
    {"a stored mode that no longer exists falls back", D3DDEVTYPE_HAL, 1600, 1200, 3},
};

TEST(ChooseFullScreenMode, TakesStoredThenAutomaticMode) {
  for (const ChoiceCase& c : ChoiceCases) {
    auto device = Device(c.type, SortedModes);
    auto adapter = Adapter(1024, 768, c.userWidth, c.userHeight);
    EXPECT_EQ(c.expected, ChooseFullScreenMode(*device, *adapter)) << c.name;
  }
}

TEST(ChooseFullScreenMode, SoftwareTakesTheWidestOfTheSmallestHeight) {
  auto device = Device(D3DDEVTYPE_SW, {{640, 400}, {640, 480}, {720, 480}, {800, 600}});
  EXPECT_EQ(2u, ChooseFullScreenMode(*device, *Adapter(1024, 768)));
}

TEST(ChooseFullScreenMode, WithoutTheDesktopSizeTakesTheFirstMode) {
  auto device = Device(D3DDEVTYPE_HAL, {{800, 600}, {1024, 768}});
  EXPECT_EQ(0u, ChooseFullScreenMode(*device, *Adapter(1920, 1080)));
}

TEST(NextLowerMode, StepsDownByAreaUntilNoneIsLeft) {
  auto device =
      Device(D3DDEVTYPE_HAL, {{640, 480}, {800, 600}, {1024, 768}, {1280, 720}, {960, 640}});
  device->chosenMode = 3;  // 1280 x 720, the largest area
  const Size steps[] = {{1024, 768}, {960, 640}, {800, 600}, {640, 480}};
  for (const Size& step : steps) {
    ASSERT_TRUE(NextLowerMode(*device));
    EXPECT_EQ(step.width, device->modes[device->chosenMode].width);
    EXPECT_EQ(step.height, device->modes[device->chosenMode].height);
  }
  EXPECT_FALSE(NextLowerMode(*device));
  EXPECT_EQ(640u, device->modes[device->chosenMode].width) << "the mode stays when none is lower";
}

TEST(NextLowerMode, TakesTheFirstOfEqualAreas) {
  auto device = Device(D3DDEVTYPE_HAL, {{600, 800}, {800, 600}, {1024, 768}});
  device->chosenMode = 2;
  ASSERT_TRUE(NextLowerMode(*device));
  EXPECT_EQ(0u, device->chosenMode);
}

TEST(PickWindowedAdapter, PrefersHardwareThenTheLastSoftwareAdapter) {
  MonitorInfo monitors[3] = {};
  AdapterInfo first = {}, second = {}, third = {};
  AdapterInfo* adapters[3] = {&first, &second, &third};
  for (int i = 0; i < 3; ++i) monitors[i].adapterIndex = i;

  EXPECT_EQ(-1, PickWindowedAdapter(monitors, 3, adapters, 3));
  first.softwareUsable = third.softwareUsable = TRUE;
  EXPECT_EQ(2, PickWindowedAdapter(monitors, 3, adapters, 3));
  second.hardwareUsable = TRUE;
  EXPECT_EQ(1, PickWindowedAdapter(monitors, 3, adapters, 3));
  monitors[1].adapterIndex = -1;  // a monitor without an adapter is passed over
  EXPECT_EQ(2, PickWindowedAdapter(monitors, 3, adapters, 3));
}

TEST(CompareModes, OrdersByWidthHeightThenFormatDescending) {
  const ModeEntry a = {800, 600, D3DFMT_X8R8G8B8, 0, D3DFMT_D16};
  const ModeEntry b = {800, 600, D3DFMT_R5G6B5, 0, D3DFMT_D16};
  const ModeEntry c = {800, 480, D3DFMT_X8R8G8B8, 0, D3DFMT_D16};
  const ModeEntry d = {640, 1024, D3DFMT_X8R8G8B8, 0, D3DFMT_D16};
  EXPECT_EQ(1, CompareModes(a, b)) << "formats descend: R5G6B5 (23) before X8R8G8B8 (22)";
  EXPECT_EQ(1, CompareModes(a, c));
  EXPECT_EQ(1, CompareModes(a, d));
  EXPECT_EQ(0, CompareModes(a, a));
}

}  // namespace
