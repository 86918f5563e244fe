// The per-monitor display settings in the registry, on a stand-in machine with several
// monitors: one subkey per monitor that has an adapter, values tied to the adapter they were
// chosen for, and malformed values ignored.
#include <gtest/gtest.h>

#include <cwchar>

#include "tests/app/configured_saver.h"
#include "tests/app/registry_sandbox.h"

namespace {

const wchar_t* const SandboxPath = L"Software\\Vantorel\\Brindlewick Tests\\Screens\\";

// Three monitors; the first two have an adapter each.
StandInMachine ThreeMonitors() {
  StandInAdapter first, second;
  first.monitor = 0;
  second.monitor = 1;
  return StandInMachine({{0, 0, 640, 480}, {640, 0, 1280, 480}, {0, 480, 640, 960}},
                        {first, second});
}

TEST(ScreenSettings, ReadingCreatesASubkeyForEveryMonitorWithAnAdapter) {
  RegistrySandbox sandbox(SandboxPath);
  StandInMachine machine = ThreeMonitors();
  ConfiguredSaver configured(machine, SandboxPath);
  ASSERT_EQ(2, configured.saver.adapterCount);
  EXPECT_TRUE(sandbox.HasKey(L"Screen 1"));
  EXPECT_TRUE(sandbox.HasKey(L"Screen 2"));
  EXPECT_FALSE(sandbox.HasKey(L"Screen 3")) << "a monitor without an adapter has no settings";
}

TEST(ScreenSettings, WhatIsSavedIsReadBackForTheSameAdapter) {
  RegistrySandbox sandbox(SandboxPath);
  StandInMachine machine = ThreeMonitors();
  {
    ConfiguredSaver configured(machine, SandboxPath);
    CMoireScreensaver& saver = configured.saver;
    AdapterInfo& second = *saver.adapters[1];
    second.userWidth = 800;
    second.userHeight = 600;
    second.userFormat = D3DFMT_X8R8G8B8;
    second.disableHardware = TRUE;
    saver.adapters[0]->leaveBlack = TRUE;
    saver.AllScreensSame = 1;
    saver.SaveSettings();
  }
  EXPECT_EQ(800u, sandbox.Dword(L"Screen 2", L"Width"));
  EXPECT_EQ(600u, sandbox.Dword(L"Screen 2", L"Height"));
  EXPECT_EQ(22u, sandbox.Dword(L"Screen 2", L"Format"));
  EXPECT_EQ(1u, sandbox.Dword(L"Screen 2", L"Disable Hardware"));
  EXPECT_EQ(0u, sandbox.Dword(L"Screen 2", L"Leave Black"));
  EXPECT_EQ(1u, sandbox.Dword(L"Screen 1", L"Leave Black"));
  EXPECT_EQ(16u, sandbox.Binary(L"Screen 1", L"Adapter ID").value_or(std::vector<BYTE>()).size());
  EXPECT_EQ(1u, sandbox.Dword(L"", L"AllScreensSame"));

  ConfiguredSaver reread(machine, SandboxPath);
  const AdapterInfo& second = *reread.saver.adapters[1];
  EXPECT_EQ(800u, second.userWidth);
  EXPECT_EQ(600u, second.userHeight);
  EXPECT_EQ(D3DFMT_X8R8G8B8, second.userFormat);
  EXPECT_TRUE(second.disableHardware);
  EXPECT_FALSE(second.leaveBlack);
  EXPECT_TRUE(reread.saver.adapters[0]->leaveBlack);
  EXPECT_EQ(1u, reread.saver.AllScreensSame);
}

TEST(ScreenSettings, ModeAndHardwareSwitchBelongToTheAdapterTheyWereSavedFor) {
  struct Case {
    const char* what;
    std::vector<BYTE> adapterId;  // empty: none stored
    bool modeRead;
  };
  std::vector<BYTE> otherAdapter(16, 0x5A);
  const Case cases[] = {
      {"no adapter id", {}, true},
      {"sixteen zero bytes", std::vector<BYTE>(16, 0), true},
      {"another adapter", otherAdapter, false},
      {"a malformed id of eight bytes", std::vector<BYTE>(8, 0x5A), true},
  };
  StandInMachine machine = ThreeMonitors();
  for (const Case& c : cases) {
    RegistrySandbox sandbox(SandboxPath);
    if (!c.adapterId.empty()) {
      sandbox.Set(L"Screen 1", L"Adapter ID", REG_BINARY, c.adapterId.data(),
                  static_cast<DWORD>(c.adapterId.size()));
    }
    sandbox.SetDword(L"Screen 1", L"Width", 1024);
    sandbox.SetDword(L"Screen 1", L"Disable Hardware", 1);
    sandbox.SetDword(L"Screen 1", L"Leave Black", 1);
    ConfiguredSaver configured(machine, SandboxPath);
    const AdapterInfo& adapter = *configured.saver.adapters[0];
    EXPECT_EQ(c.modeRead ? 1024u : 0u, adapter.userWidth) << c.what;
    EXPECT_EQ(c.modeRead, static_cast<bool>(adapter.disableHardware)) << c.what;
    EXPECT_TRUE(adapter.leaveBlack) << c.what << ": \"Leave Black\" holds for any adapter";
  }
}

TEST(ScreenSettings, ValuesOfAnotherTypeOrSizeAreIgnored) {
  RegistrySandbox sandbox(SandboxPath);
  const wchar_t text[] = L"1280";
  const DWORD wide[2] = {1280, 1};
  sandbox.Set(L"Screen 1", L"Width", REG_SZ, text, sizeof text);
  sandbox.Set(L"Screen 1", L"Height", REG_DWORD, wide, sizeof wide);
  sandbox.Set(L"Screen 1", L"Leave Black", REG_BINARY, wide, sizeof(DWORD));
  StandInMachine machine = ThreeMonitors();
  ConfiguredSaver configured(machine, SandboxPath);
  const AdapterInfo& adapter = *configured.saver.adapters[0];
  EXPECT_EQ(0u, adapter.userWidth);
  EXPECT_EQ(0u, adapter.userHeight);
  EXPECT_FALSE(adapter.leaveBlack);
}

}  // namespace
