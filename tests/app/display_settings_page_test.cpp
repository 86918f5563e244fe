// What the display-settings dialog shows for a monitor's adapter: the help and rendering texts,
// the state of its switches, and the mode list's entries.
#include <gtest/gtest.h>

#include "app/display_settings_page.h"

namespace {

struct Capabilities {
  bool hardwarePresent, disabled, hardwareUsable, softwarePresent, softwareUsable;
};

AdapterInfo AdapterWith(const Capabilities& c) {
  AdapterInfo adapter = {};
  adapter.hardwarePresent = c.hardwarePresent;
  adapter.disableHardware = c.disabled;
  adapter.hardwareUsable = c.hardwareUsable;
  adapter.softwarePresent = c.softwarePresent;
  adapter.softwareUsable = c.softwareUsable;
  return adapter;
}

TEST(HelpTextId, FollowsWhatTheAdapterOffers) {
  struct Case {
    Capabilities adapter;
    UINT help;
  };
  const Case cases[] = {
      {{true, true, true, false, false}, 2209},  {{true, true, false, true, false}, 2208},
      {{true, true, true, true, true}, 2207},    {{true, false, true, false, false}, 2200},
      {{true, false, true, true, true}, 2200},   {{true, false, false, false, true}, 2203},
      {{true, false, false, true, false}, 2202}, {{true, false, false, true, true}, 2201},
      {{false, true, true, false, true}, 2206},  {{false, false, false, true, false}, 2205},
      {{false, false, false, true, true}, 2204},
  };
  for (const Case& c : cases) {
    const AdapterInfo adapter = AdapterWith(c.adapter);
    EXPECT_EQ(c.help, HelpTextId(&adapter, true))
        << c.adapter.hardwarePresent << c.adapter.disabled << c.adapter.hardwareUsable
        << c.adapter.softwarePresent << c.adapter.softwareUsable;
    EXPECT_EQ(2206u, HelpTextId(&adapter, false)) << "a display device that is not attached";
  }
  EXPECT_EQ(2206u, HelpTextId(nullptr, true));
}

TEST(DescribeMonitorPage, EnablesWhatTheMonitorCanUse) {
  struct Case {
    const char* what;
    Capabilities adapter;
    bool leaveBlack;
    MonitorPage page;
  };
  const Case cases[] = {
      {"hardware", {true, false, true, true, true}, false, {2210, true, false, true, false}},
      {"hardware left black",
       {true, false, true, false, false},
       true,
       {2210, true, false, true, true}},
      {"hardware disabled, software usable",
       {true, true, true, true, true},
       false,
       {2211, true, true, true, false}},
      {"hardware disabled, no software",
       {true, true, true, false, false},
       false,
       {2212, true, true, false, true}},
      {"hardware unusable, software usable",
       {true, false, false, true, true},
       false,
       {2211, false, false, true, false}},
      {"nothing usable",
       {false, false, false, true, false},
       false,
       {2212, false, false, false, true}},
  };
  for (const Case& c : cases) {
    AdapterInfo adapter = AdapterWith(c.adapter);
    adapter.leaveBlack = c.leaveBlack;
    const MonitorPage page = DescribeMonitorPage(&adapter);
    EXPECT_EQ(c.page.renderingTextId, page.renderingTextId) << c.what;
    EXPECT_EQ(c.page.hardwareSwitchEnabled, page.hardwareSwitchEnabled) << c.what;
    EXPECT_EQ(c.page.hardwareSwitchChecked, page.hardwareSwitchChecked) << c.what;
    EXPECT_EQ(c.page.usageEnabled, page.usageEnabled) << c.what;
    EXPECT_EQ(c.page.leaveBlack, page.leaveBlack) << c.what;
  }
  const MonitorPage none = DescribeMonitorPage(nullptr);
  EXPECT_EQ(2212u, none.renderingTextId);
  EXPECT_FALSE(none.hardwareSwitchEnabled || none.usageEnabled);
  EXPECT_TRUE(none.leaveBlack);
}

ModeEntry Mode(UINT width, UINT height, D3DFORMAT format) {
  return {width, height, format, 0, D3DFMT_UNKNOWN};
}

TEST(ModeEntryText, ShowsSizeAndColourDepth) {
  const std::wstring format = L"%d by %d, %d bit color";
  EXPECT_EQ(L"1024 by 768, 32 bit color", ModeEntryText(format, Mode(1024, 768, D3DFMT_X8R8G8B8)));
  EXPECT_EQ(L"800 by 600, 32 bit color", ModeEntryText(format, Mode(800, 600, D3DFMT_A8R8G8B8)));
  EXPECT_EQ(L"640 by 480, 32 bit color", ModeEntryText(format, Mode(640, 480, D3DFMT_R8G8B8)));
  EXPECT_EQ(L"640 by 480, 16 bit color", ModeEntryText(format, Mode(640, 480, D3DFMT_R5G6B5)));
}

TEST(SelectedModeEntry, IsTheStoredModeOrAutomatic) {
  AdapterInfo adapter = {};
  adapter.deviceCount = 1;
  DeviceInfo& device = adapter.devices[0];
  device.modeCount = 3;
  device.modes[0] = Mode(800, 600, D3DFMT_X8R8G8B8);
  device.modes[1] = Mode(1024, 768, D3DFMT_R5G6B5);
  device.modes[2] = Mode(1024, 768, D3DFMT_X8R8G8B8);
  struct Case {
    UINT width, height;
    D3DFORMAT format;
    int entry;
  };
  const Case cases[] = {
      {0, 0, D3DFMT_UNKNOWN, 0},
      {1024, 768, D3DFMT_X8R8G8B8, 3},
      {1024, 768, D3DFMT_R5G6B5, 2},
      {1280, 1024, D3DFMT_X8R8G8B8, 0},
  };
  for (const Case& c : cases) {
    adapter.userWidth = c.width;
    adapter.userHeight = c.height;
    adapter.userFormat = c.format;
    EXPECT_EQ(c.entry, SelectedModeEntry(adapter)) << c.width << "x" << c.height;
  }
}

}  // namespace
