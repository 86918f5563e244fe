// Hand-written sections of the show's document classes, row by row in the order a document
// holds them: each is read, checked field by field, and written back to the very same bytes.
// Every field has a value of its own, so one read into another's place shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/class_registry.h"
#include "show/kq_slide_show_light.h"
#include "show/project_document.h"
#include "tests/support/stored_sections.h"

namespace {

using namespace testing_support::stored_fields;
using testing_support::CameraSection;
using testing_support::Fixture;
using testing_support::LightSection;
using testing_support::ReadAll;
using testing_support::Written;

// The tests' own item class (a label and a scene flag), ending with the settings' last section.
std::vector<uint8_t> TestItemSection(const std::wstring& label, int needsScene,
                                     const std::wstring& objectName) {
  return Fixture({String(L"TestItemConstructor"), ULong(1), String(label), Int(needsScene),
                  String(L"KQ_ABObj_Constructor"), ULong(1), String(objectName)});
}

std::vector<uint8_t> MeadowSlide() {
  return Fixture({String(L"KQ_SlideContainer"), ULong(1),
                  UInt(2),  // fade-in
                  UInt(3),  // fade-out
                  UInt(8),  // display
                  Int(-7),  // the int setting
                  String(L"meadow"),
                  LightSection({L"meadow.jpg", 14}, CameraSection(1, 110, 60)),
                  ULong(2),
                  TestItemSection(L"reeds", 0, L"reed bed"),
                  TestItemSection(L"mist", 1, L"")});
}

std::vector<uint8_t> ShoreSlide() {
  return Fixture({String(L"KQ_SlideContainer"), ULong(1), UInt(0), UInt(4), UInt(12), Int(0),
                  String(L"shore"), LightSection({L"shore.jpg", 9}, CameraSection(0, 125, 40)),
                  ULong(0)});
}

std::vector<uint8_t> ThemeAudio() {
  return Fixture({String(L"KQ_AudioFile"), ULong(1), String(L"theme"),
                  ULong(4), Raw({'R', 'I', 'F', 'F'}), String(L"C:\\music\\theme.wav")});
}

// A path of 300 units takes the String's two-byte length.
const std::wstring LongPath = L"C:\\music\\" + std::wstring(287, L'a') + L".mid";

std::vector<uint8_t> RainAudio() {
  return Fixture(
      {String(L"KQ_AudioFile"), ULong(1), String(L""), ULong(0), String(L"C:\\music\\rain.wav")});
}

TEST(StoredCamera, ReadsOnZoomAndSpeedAndWritesTheSameBytes) {
  const std::vector<uint8_t> bytes = CameraSection(1, 135, 75);
  const std::unique_ptr<KQM_Camera> camera = ReadAll(bytes, ReadCamera);
  EXPECT_EQ(1, camera->on.Get());
  EXPECT_EQ(135u, camera->zoom.Get());
  EXPECT_FLOAT_EQ(1.35f, camera->zoom.Result());
  EXPECT_EQ(75u, camera->speed.Get());
  EXPECT_FLOAT_EQ(1.5f, camera->speed.Result());
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { camera->Write(out); }));
}

TEST(StoredPlainLight, EachVersionReadsItsFieldsAndWritesTheCurrentSection) {
  const FileLinkKey defaultLink{L"tessaly.dll", 5};
  struct Case {
    unsigned long version;
    std::vector<uint8_t> bytes;
    FileLinkKey link;
    int on;
    unsigned zoom, speed;
  } cases[] = {
      {1, Fixture({String(L"KQ_2D_Light"), ULong(1)}), defaultLink, 0, 120, 50},
      {2, Fixture({String(L"KQ_2D_Light"), ULong(2), String(L"dawn.jpg"), Int64(12)}),
       {L"dawn.jpg", 12}, 0, 120, 50},
      {3, LightSection({L"dawn.jpg", 12}, CameraSection(1, 135, 75)), {L"dawn.jpg", 12}, 1, 135,
       75},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const std::unique_ptr<KQ_2D_Light> light = ReadAll(
        c.bytes, [](KQ_IOF_Virtual& in) { return ReadFamilyByClassName<KQ_2D_Light>(in); });
    ASSERT_NE(nullptr, light);
    EXPECT_EQ(typeid(KQ_2D_Light), typeid(*light));
    EXPECT_TRUE(c.link == light->pictureLink.Key());
    EXPECT_EQ(c.on, light->camera.on.Get());
    EXPECT_EQ(c.zoom, light->camera.zoom.Get());
    EXPECT_EQ(c.speed, light->camera.speed.Get());
    // An older section comes back as the current section of what it was read as.
    EXPECT_EQ(LightSection(c.link, CameraSection(c.on, c.zoom, c.speed)),
              Written([&](KQ_IOF_Virtual& out) { light->Write(out); }));
  }
}

TEST(StoredAudioRecord, ReadsTheNameThenTheFileAndWritesTheSameBytes) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::wstring recordName, path;
    std::vector<uint8_t> embedded;
  } cases[] = {
      {"with the file's bytes", ThemeAudio(), L"theme", L"C:\\music\\theme.wav",
       {'R', 'I', 'F', 'F'}},
      {"path only, no name", RainAudio(), L"", L"C:\\music\\rain.wav", {}},
      {"a long path", Fixture({String(L"KQ_AudioFile"), ULong(1), String(L"tune"), ULong(0),
                               String(LongPath)}),
       L"tune", LongPath, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::unique_ptr<KQ_AudioFile> record = ReadAll(c.bytes, ReadAudioFile);
    EXPECT_EQ(c.recordName, record->name);
    EXPECT_EQ(c.path, record->file.name);
    EXPECT_EQ(c.embedded, record->file.bytes);
    EXPECT_EQ(c.bytes, Written([&](KQ_IOF_Virtual& out) { record->Write(out); }));
  }
}

TEST(StoredSlide, ReadsDurationsNameLightAndItemSettingsAndWritesTheSameBytes) {
  const std::vector<uint8_t> bytes = MeadowSlide();
  const std::unique_ptr<KQ_SlideContainer> slide = ReadAll(
      bytes, [](KQ_IOF_Virtual& in) { return ReadFamilyByClassName<KQ_SlideContainer>(in); });
  ASSERT_NE(nullptr, slide);
  EXPECT_EQ(2u, slide->fadeIn.Get());
  EXPECT_EQ(3u, slide->fadeOut.Get());
  EXPECT_EQ(8u, slide->display.Get());
  EXPECT_EQ(-7, slide->tag.Get());
  EXPECT_EQ(L"meadow", slide->name.Get());
  ASSERT_NE(nullptr, slide->GetLight().Get());
  EXPECT_TRUE((FileLinkKey{L"meadow.jpg", 14}) == slide->GetLight()->pictureLink.Key());
  EXPECT_EQ(110u, slide->GetLight()->camera.zoom.Get());
  // The item settings are kept as read until the slide is set up: both come back, in order.
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { slide->Write(out); }));
}

TEST(StoredRoot, ReadsItsSlidesThenItsAudioRecordsAndWritesTheSameBytes) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    std::vector<std::wstring> slideNames, audioPaths;
  } cases[] = {
      {"empty", Fixture({String(L"KQ_SlideShow_Light"), ULong(1), ULong(0), ULong(0)}), {}, {}},
      {"two of each",
       Fixture({String(L"KQ_SlideShow_Light"), ULong(1), ULong(2), MeadowSlide(), ShoreSlide(),
                ULong(2), ThemeAudio(), RainAudio()}),
       {L"meadow", L"shore"},
       {L"C:\\music\\theme.wav", L"C:\\music\\rain.wav"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::unique_ptr<KQ_SlideShow_Light> root = ReadAll(c.bytes, ReadRootRecord);
    ASSERT_NE(nullptr, root);
    std::vector<std::wstring> slideNames, audioPaths;
    for (const auto& slide : root->Slides()) slideNames.push_back(slide->name.Get());
    for (const auto& record : root->AudioFiles()) audioPaths.push_back(record->file.name);
    EXPECT_EQ(c.slideNames, slideNames);
    EXPECT_EQ(c.audioPaths, audioPaths);
    EXPECT_EQ(c.bytes, Written([&](KQ_IOF_Virtual& out) { root->Write(out); }));
  }
}

}  // namespace
