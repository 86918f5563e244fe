// The sections of the show's document classes: what each reads at each stored version, and that
// every class writes exactly what it reads.
#include <gtest/gtest.h>

#include "document/class_registry.h"
#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "show/kq_slide_show_light.h"
#include "tests/show/test_items.h"
#include "tests/support/section_bytes.h"

namespace {

using show_testing::TestItemConstructor;
using testing_support::ReadAll;
using testing_support::Written;

std::unique_ptr<KQ_2D_Light> LightOf(const kq_string& path, int64_t id, unsigned zoom) {
  auto light = std::make_unique<KQ_2D_Light>();
  light->pictureLink.Store({path, id});
  light->camera.on = 1;
  light->camera.zoom.Set(zoom);
  return light;
}

std::unique_ptr<KQ_SlideContainer> Slide(unsigned fadeIn, unsigned fadeOut, unsigned display,
                                         const kq_string& name, int items) {
  auto slide = std::make_unique<KQ_SlideContainer>();
  slide->fadeIn = fadeIn;
  slide->fadeOut = fadeOut;
  slide->display = display;
  slide->tag = 7;
  slide->name = name;
  slide->SetLight(LightOf(L"pictures\\" + name + L".jpg", 3, 110));
  for (int i = 0; i < items; ++i) {
    slide->AddItemSettings(std::make_unique<TestItemConstructor>("item " + std::to_string(i), i % 2));
  }
  return slide;
}

TEST(LightSection, ReadsTheLinkFromVersion2AndTheCameraFromVersion3) {
  struct Case {
    unsigned long version;
    FileLinkKey link;
    int cameraOn;
    float zoom;
  } cases[] = {
      {1, {L"tessaly.dll", 5}, 0, 1.2f},
      {2, {L"dawn.jpg", 12}, 0, 1.2f},
      {3, {L"dawn.jpg", 12}, 1, 1.35f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) {
      WriteSectionHeader(out, L"KQ_2D_Light", c.version);
      if (c.version >= 2) {
        out.WriteString(L"dawn.jpg");
        out.WriteInt64(12);
      }
      if (c.version >= 3) LightOf(L"", 0, 135)->camera.Write(out);
    });
    const std::unique_ptr<KQ_2D_Light> light =
        ReadAll(bytes, [](KQ_IOF_Virtual& in) { return ReadFamilyByClassName<KQ_2D_Light>(in); });
    ASSERT_NE(nullptr, light);
    EXPECT_TRUE(c.link == light->pictureLink.Key());
    EXPECT_EQ(c.cameraOn, light->camera.on.Get());
    EXPECT_FLOAT_EQ(c.zoom, light->camera.zoom.Result());
  }
}

TEST(LightSection, TheBaseSectionOfAnEffectLightReadsIntoTheGivenLight) {
  const std::vector<uint8_t> bytes =
      Written([](KQ_IOF_Virtual& out) { LightOf(L"coast.jpg", 4, 125)->Write(out); });
  KQ_2D_Light light;
  EXPECT_TRUE(ReadAll(bytes, [&](KQ_IOF_Virtual& in) { return ReadBaseSection(in, light); }));
  EXPECT_TRUE((FileLinkKey{L"coast.jpg", 4}) == light.pictureLink.Key());
  EXPECT_FLOAT_EQ(1.25f, light.camera.zoom.Result());
}

TEST(SlideSection, ReadsItsDurationsNameLightAndItemSettings) {
  const std::vector<uint8_t> bytes =
      Written([](KQ_IOF_Virtual& out) { Slide(2, 3, 8, L"meadow", 3)->Write(out); });
  const std::unique_ptr<KQ_SlideContainer> slide = ReadAll(
      bytes, [](KQ_IOF_Virtual& in) { return ReadFamilyByClassName<KQ_SlideContainer>(in); });
  ASSERT_NE(nullptr, slide);
  EXPECT_EQ(2u, slide->fadeIn.Get());
  EXPECT_EQ(3u, slide->fadeOut.Get());
  EXPECT_EQ(8u, slide->display.Get());
  EXPECT_EQ(7, slide->tag.Get());
  EXPECT_EQ(L"meadow", slide->name.Get());
  ASSERT_NE(nullptr, slide->GetLight().Get());
  EXPECT_EQ(L"pictures\\meadow.jpg", slide->GetLight()->pictureLink.Key().path);
  // Items exist only once the slide is set up; until then it writes the settings it read.
  EXPECT_TRUE(slide->Items().empty());
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { slide->Write(out); }));
}

TEST(SlideSection, ASlideWithoutLightCannotBeWritten) {
  KQ_IOF_W writer;
  KQ_SlideContainer().Write(writer);
  EXPECT_TRUE(writer.Failed());
}

TEST(SlideSection, AnUnknownLightOrANonItemClassFailsTheSlide) {
  struct Case {
    const char* name;
    std::function<void(KQ_IOF_Virtual&)> writeRest;
  } cases[] = {
      {"unknown light class",
       [](KQ_IOF_Virtual& out) { WriteSectionHeader(out, L"KQ_NoSuchLight", 1); }},
      {"an item that is a light",
       [](KQ_IOF_Virtual& out) {
         KQ_2D_Light().Write(out);
         out.WriteULong(1);
         KQ_2D_Light().Write(out);  // not in the items registry
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) {
      WriteSectionHeader(out, L"KQ_SlideContainer", 1);
      WriteSettings(out, 1u, 1u, 10u, 0, kq_string(L"slide"));
      c.writeRest(out);
    });
    ResourceBuffer buffer(bytes.data(), bytes.size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    EXPECT_EQ(nullptr, ReadFamilyByClassName<KQ_SlideContainer>(stream));
    EXPECT_TRUE(stream.Failed());
  }
}

TEST(RootSection, ReadsSlidesAndAudioRecordsInDocumentOrderAndWritesThemAgain) {
  KQ_SlideShow_Light show;
  show.AddSlide(Slide(1, 1, 10, L"dawn", 0));
  show.AddSlide(Slide(0, 2, 6, L"lake", 2));
  auto withBytes = std::make_unique<KQ_AudioFile>();
  withBytes->name = L"theme";
  withBytes->file.name = L"C:\\music\\theme.wav";
  withBytes->file.bytes = {'R', 'I', 'F', 'F'};
  auto pathOnly = std::make_unique<KQ_AudioFile>();
  pathOnly->file.name = L"C:\\music\\rain.wav";
  show.AddAudioFile(std::move(withBytes));
  show.AddAudioFile(std::move(pathOnly));

  const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) { show.Write(out); });
  KQ_SlideShow_Light read;
  ReadAll(bytes, [&](KQ_IOF_Virtual& in) {
    ReadSectionHeader(in);
    read.ReadSlides(in);
    read.ReadAudioFiles(in);
    return true;
  });
  ASSERT_EQ(2u, read.Slides().size());
  EXPECT_EQ(L"dawn", read.Slides()[0]->name.Get());
  EXPECT_EQ(L"lake", read.Slides()[1]->name.Get());
  ASSERT_EQ(2u, read.AudioFiles().size());
  EXPECT_EQ(L"theme", read.AudioFiles()[0]->name);
  EXPECT_EQ(4u, read.AudioFiles()[0]->file.Size());
  EXPECT_EQ(L"C:\\music\\rain.wav", read.AudioFiles()[1]->file.name);
  EXPECT_EQ(0u, read.AudioFiles()[1]->file.Size());
  EXPECT_EQ(nullptr, read.CurrentSlide());
  EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { read.Write(out); }));
}

TEST(RootSection, ACountBeyondTheBytesStopsAtTheFirstMissingSlide) {
  std::vector<uint8_t> bytes = Written([](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_SlideShow_Light", 1);
    out.WriteULong(0xFFFFFFFF);
    Slide(1, 1, 10, L"only", 1)->Write(out);
  });
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  ReadSectionHeader(stream);
  KQ_SlideShow_Light show;
  show.ReadSlides(stream);
  EXPECT_TRUE(stream.Failed());
  EXPECT_EQ(1u, show.Slides().size());
}

TEST(ItemSettingsSection, TheLastSectionOfAnItemHoldsItsName) {
  TestItemConstructor item("a", 1);
  item.objectName = L"fish shoal";
  const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) { item.Write(out); });
  const std::unique_ptr<KQ_IOF_Item> read =
      ReadAll(bytes, [](KQ_IOF_Virtual& in) { return ReadObjectByClassName(in); });
  const auto* settings = dynamic_cast<const TestItemConstructor*>(read.get());
  ASSERT_NE(nullptr, settings);
  EXPECT_EQ(L"fish shoal", settings->objectName);
  EXPECT_EQ(1, settings->needsSceneCapture);
}

}  // namespace
