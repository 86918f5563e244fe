// The adapter records start-up builds: which modes each device keeps, which devices the show's
// capability check rejects, the bounds of the records, and the monitor links.
#include <gtest/gtest.h>

#include <vector>

#include "app/moire_screensaver.h"
#include "app/saver_codes.h"
#include "tests/app/recording_show.h"
#include "tests/app/stand_in_machine.h"

namespace {

D3DDISPLAYMODE Mode(UINT width, UINT height, UINT refresh = 60) {
  return {width, height, refresh, D3DFMT_X8R8G8B8};
}

StandInAdapter AdapterWith(std::vector<D3DDISPLAYMODE> modes, int monitor = 0) {
  StandInAdapter adapter;
  adapter.modes = std::move(modes);
  adapter.monitor = monitor;
  return adapter;
}

const RECT Screen = {0, 0, 1024, 768};

// Start-up in the mode that only starts and exits: no window, all of the enumeration.
struct StartedSaver {
  explicit StartedSaver(std::vector<StandInAdapter> adapters, std::vector<RECT> monitors = {Screen})
      : machine(std::move(monitors), std::move(adapters)), saver(RecordingShows(shows), machine) {
    saver.CreateFromCommandLine(GetModuleHandleW(nullptr), L"saver.scr /r");
  }
  const DeviceInfo& Hal() const { return saver.adapters[0]->devices[0]; }

  std::vector<std::shared_ptr<ShowRecord>> shows;
  StandInMachine machine;
  CMoireScreensaver saver;
};

TEST(EnumerateDevices, KeepsEachLargeEnoughResolutionOnceInOrder) {
  StartedSaver started({AdapterWith({Mode(1024, 768), Mode(640, 480, 60), Mode(640, 480, 75),
                                     Mode(320, 240), Mode(1024, 399), Mode(600, 800),
                                     Mode(800, 600, 85), Mode(800, 600, 60)})});
  const CMoireScreensaver& saver = started.saver;
  ASSERT_FALSE(saver.errorMode) << std::hex << saver.errorCode;
  ASSERT_EQ(1, saver.adapterCount);
  const AdapterInfo& adapter = *saver.adapters[0];
  ASSERT_GE(adapter.deviceCount, 1u);
  EXPECT_TRUE(adapter.hardwarePresent && adapter.hardwareUsable);
  const DeviceInfo& hal = started.Hal();
  EXPECT_EQ(D3DDEVTYPE_HAL, hal.deviceType);
  EXPECT_TRUE(hal.canRenderWindowed);
  const UINT expected[][2] = {{640, 480}, {800, 600}, {1024, 768}};
  ASSERT_EQ(3u, hal.modeCount);
  for (UINT i = 0; i < 3; ++i) {
    EXPECT_EQ(expected[i][0], hal.modes[i].width) << i;
    EXPECT_EQ(expected[i][1], hal.modes[i].height) << i;
    EXPECT_EQ(D3DFMT_X8R8G8B8, hal.modes[i].format);
    EXPECT_NE(0u, hal.modes[i].behaviorFlags);
    EXPECT_EQ(D3DFMT_D16, hal.modes[i].depthStencilFormat) << "the first depth format allowed";
  }
}

struct UnusableCase {
  const char* name;
  StandInAdapter adapter;
};

StandInAdapter WithoutBumpMapping() {
  StandInAdapter adapter = AdapterWith({Mode(1024, 768)});
  adapter.withoutBumpMapping = true;
  return adapter;
}

TEST(EnumerateDevices, AMachineWithoutAUsableDeviceStartsInErrorMode) {
  const UnusableCase cases[] = {
      {"no bump-environment mapping", WithoutBumpMapping()},
      {"only modes below 640 x 400", AdapterWith({Mode(320, 240), Mode(600, 800), Mode(1024, 300)})},
  };
  for (const UnusableCase& c : cases) {
    StartedSaver started({c.adapter});
    const CMoireScreensaver& saver = started.saver;
    EXPECT_TRUE(saver.errorMode) << c.name;
    EXPECT_EQ(saver_error::NoCompatibleDevices, saver.errorCode) << c.name;
    ASSERT_EQ(1, saver.adapterCount) << c.name;
    EXPECT_EQ(0u, saver.adapters[0]->deviceCount) << c.name;
    EXPECT_TRUE(saver.adapters[0]->hardwarePresent) << c.name;
    EXPECT_FALSE(saver.adapters[0]->hardwareUsable) << c.name;
  }
}

TEST(EnumerateDevices, RecordsStayWithinTheirBounds) {
  std::vector<D3DDISPLAYMODE> manyModes;
  for (UINT i = 0; i < 300; ++i) manyModes.push_back(Mode(640 + i, 480 + i % 7));
  std::vector<StandInAdapter> adapters(12, AdapterWith(manyModes));
  StartedSaver started(adapters);
  const CMoireScreensaver& saver = started.saver;
  ASSERT_FALSE(saver.errorMode);
  EXPECT_EQ(MaxAdapters, saver.adapterCount) << "adapters past the ninth are not recorded";
  for (int a = 0; a < saver.adapterCount; ++a) {
    const DeviceInfo& hal = saver.adapters[a]->devices[0];
    EXPECT_EQ(99u, hal.modeCount) << "the working list holds 99 distinct modes";
    for (UINT m = 1; m < hal.modeCount; ++m) {
      EXPECT_LT(hal.modes[m - 1].width, hal.modes[m].width);
    }
  }
}

TEST(EnumerateDevices, LinksEachAdapterWithTheMonitorItDrives) {
  StartedSaver started({AdapterWith({Mode(1024, 768)}, 2), AdapterWith({Mode(1024, 768)}, 0)},
                       {{0, 0, 400, 300}, {400, 0, 800, 300}, {0, 300, 400, 600}});
  const CMoireScreensaver& saver = started.saver;
  ASSERT_EQ(3, saver.monitorCount);
  EXPECT_EQ(1, saver.monitors[0].adapterIndex);
  EXPECT_EQ(-1, saver.monitors[1].adapterIndex) << "a monitor no adapter drives";
  EXPECT_EQ(0, saver.monitors[2].adapterIndex);
  EXPECT_EQ(2, saver.adapters[0]->monitorIndex);
  EXPECT_EQ(0, saver.adapters[1]->monitorIndex);
}

TEST(Run, FreesTheAdaptersAndReleasesDirect3DOnce) {
  StartedSaver started({AdapterWith({Mode(1024, 768)})});
  EXPECT_EQ(1u, started.machine.Direct3DReferencesHeldBySaver());
  EXPECT_EQ(0, started.saver.Run());
  EXPECT_EQ(0u, started.machine.Direct3DReferencesHeldBySaver());
  EXPECT_EQ(nullptr, started.saver.direct3D);
  EXPECT_EQ(0, started.saver.adapterCount);
  EXPECT_EQ(nullptr, started.saver.adapters[0]);
}

}  // namespace
