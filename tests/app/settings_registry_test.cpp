// The application's values in the registry: only a value of the type and size it is written
// with is believed, values out of range read as their defaults, and the picture position is
// read once per process.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "app/settings_registry.h"
#include "tests/app/registry_sandbox.h"

namespace {

// The global key path of the values, pointed at a sandbox for the test's lifetime.
class SettingsSandbox : public RegistrySandbox {
public:
  SettingsSandbox() : RegistrySandbox(L"Software\\Vantorel\\Brindlewick Tests\\Registry\\") {
    std::wcscpy(SettingsKeyPath, Path().c_str());
  }
};

struct StoredValue {
  const char* what;
  DWORD type;
  std::string bytes;
};

std::string DwordBytes(DWORD value) {
  return std::string(reinterpret_cast<const char*>(&value), sizeof value);
}

void Store(const SettingsSandbox& sandbox, const wchar_t* name, const StoredValue& value) {
  sandbox.Set(L"", name, value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
}

TEST(ReadRegistryDword, BelievesOnlyADwordOfFourBytes) {
  struct Case {
    StoredValue stored;
    bool read;
  };
  const Case cases[] = {
      {{"a DWORD", REG_DWORD, DwordBytes(7)}, true},
      {{"the text \"1\"", REG_SZ, std::string("1\0\0\0", 4)}, false},
      {{"four binary bytes", REG_BINARY, DwordBytes(7)}, false},
      {{"a DWORD of two bytes", REG_DWORD, std::string("\7\0", 2)}, false},
      {{"a DWORD of eight bytes", REG_DWORD, DwordBytes(7) + DwordBytes(9)}, false},
      {{"a QWORD", REG_QWORD, DwordBytes(7) + DwordBytes(0)}, false},
      {{"a long binary value", REG_BINARY, std::string(300, 'x')}, false},
  };
  for (const Case& c : cases) {
    SettingsSandbox sandbox;
    Store(sandbox, L"Value", c.stored);
    DWORD value = 1234;
    EXPECT_EQ(c.read, ReadRegistryDword(&value, L"Value")) << c.stored.what;
    EXPECT_EQ(c.read ? 7u : 1234u, value)
        << c.stored.what << ": a refused value leaves the default";
  }
  SettingsSandbox sandbox;
  DWORD value = 1234;
  EXPECT_FALSE(ReadRegistryDword(&value, L"Missing"));
  EXPECT_EQ(1234u, value);
}

TEST(ReadRegistryDword, WritesCreateTheKeyWithItsTrailingBackslash) {
  SettingsSandbox sandbox;
  WriteRegistryDword(SoundVolumeValue, 42);
  const std::vector<std::wstring> expected = {L"\"SoundVolume\"=4:2a000000"};
  EXPECT_EQ(expected, sandbox.Snapshot()) << "the quotes are part of the name; no extra level";
}

TEST(ReadStoredPicPos, TakesOnlyTheThreePositions) {
  struct Case {
    StoredValue stored;
    int position;
  };
  const Case cases[] = {
      {{"Stretch", REG_DWORD, DwordBytes(0)}, 0},
      {{"Fit", REG_DWORD, DwordBytes(1)}, 1},
      {{"Fill", REG_DWORD, DwordBytes(2)}, 2},
      {{"3", REG_DWORD, DwordBytes(3)}, 2},
      {{"0xFFFFFFFF", REG_DWORD, DwordBytes(0xFFFFFFFF)}, 2},
      {{"the text \"0\"", REG_SZ, std::string("0\0\0\0", 4)}, 2},
  };
  for (const Case& c : cases) {
    SettingsSandbox sandbox;
    Store(sandbox, L"\"PicPos\"", c.stored);
    EXPECT_EQ(c.position, ReadStoredPicPos()) << c.stored.what;
  }
  SettingsSandbox sandbox;
  EXPECT_EQ(2, ReadStoredPicPos()) << "missing: Fill";
}

TEST(ReadPicPos, IsReadOnceAndFollowsOnlyTheDialogsWrites) {
  SettingsSandbox sandbox;
  const int first = ReadPicPos();
  sandbox.SetDword(L"", L"\"PicPos\"", first == 0 ? 1 : 0);
  EXPECT_EQ(first, ReadPicPos()) << "a change in the registry during the run has no effect";

  WritePicPos(1);
  EXPECT_EQ(1, ReadPicPos());
  EXPECT_EQ(1u, sandbox.Dword(L"", L"\"PicPos\""));

  for (int outOfRange : {-1, 3}) {  // -1 is CB_ERR: the list had no selection
    WritePicPos(outOfRange);
    EXPECT_EQ(1, ReadPicPos()) << outOfRange;
    EXPECT_EQ(1u, sandbox.Dword(L"", L"\"PicPos\"")) << outOfRange << " is never stored";
  }
}

TEST(ReadSoundSettings, KeepsThePreviousValueForMissingOrOutOfRangeValues) {
  struct Case {
    const char* what;
    std::optional<DWORD> volume, mute;
    DWORD expectedVolume, expectedMute;
  };
  const Case cases[] = {
      {"nothing stored", std::nullopt, std::nullopt, 100, 0},
      {"quiet and muted", 0, 1, 0, 1},
      {"half", 50, 0, 50, 0},
      {"volume above 100", 101, 0, 100, 0},
      {"volume 0xFFFFFFFF", 0xFFFFFFFF, 0, 100, 0},
      {"mute 2", 70, 2, 70, 0},
  };
  for (const Case& c : cases) {
    SettingsSandbox sandbox;
    if (c.volume) sandbox.SetDword(L"", L"\"SoundVolume\"", *c.volume);
    if (c.mute) sandbox.SetDword(L"", L"\"MuteSound\"", *c.mute);
    SoundSettings settings;
    ReadSoundSettings(settings);
    EXPECT_EQ(c.expectedVolume, settings.volume) << c.what;
    EXPECT_EQ(c.expectedMute, settings.mute) << c.what;
  }
}

}  // namespace
