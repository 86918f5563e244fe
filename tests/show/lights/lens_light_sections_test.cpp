// The document sections of the glass-ball, matrix code and underwater lights: what each reads
// at each stored version, through the light registry, and that each writes what it reads.
#include <gtest/gtest.h>

#include <functional>

#include "document/class_registry.h"
#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "document/setting_stream.h"
#include "show/lights/fake_undervater.h"
#include "show/lights/kq_glass_ball_light.h"
#include "show/lights/kq_matrix_code_light.h"

namespace {

std::vector<uint8_t> Written(const std::function<void(KQ_IOF_Virtual&)>& write) {
  KQ_IOF_W writer;
  write(writer);
  return writer.Bytes();
}

// The light read through the registry from `bytes`, which must be used up exactly.
std::unique_ptr<KQ_2D_Light> ReadLight(const std::vector<uint8_t>& bytes) {
  ResourceBuffer buffer(bytes.data(), bytes.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  std::unique_ptr<KQ_2D_Light> light = ReadFamilyByClassName<KQ_2D_Light>(stream);
  EXPECT_FALSE(stream.Failed());
  EXPECT_EQ(0u, buffer.Remaining());
  return light;
}

template <class Light>
Light& As(const std::unique_ptr<KQ_2D_Light>& light) {
  Light* typed = dynamic_cast<Light*>(light.get());
  if (!typed) throw std::runtime_error("the registry made another class");
  return *typed;
}

// The base section every effect light ends with, naming `picture`.
void WriteBaseSection(KQ_IOF_Virtual& out, const kq_string& picture) {
  KQ_2D_Light base;
  base.pictureLink.Store({picture, 2});
  base.Write(out);
}

void WriteLink(KQ_IOF_Virtual& out, const kq_string& path, int64_t id) {
  out.WriteString(path);
  out.WriteInt64(id);
}

TEST(GlassBallSection, ReadsEveryFieldWhateverTheStoredVersion) {
  for (unsigned long version : {0ul, 1ul, 4ul}) {
    SCOPED_TRACE(version);
    const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) {
      WriteSectionHeader(out, L"KQ_GlassBallLight", version);
      WriteLink(out, L"a.png", 1);
      WriteLink(out, L"b.png", 2);
      WriteLink(out, L"stand.png", 3);
      WriteLink(out, L"sky.jpg", 4);
      WriteSettings(out, 25u, POINT{-40, 12}, 80u, 30u, 0, 1, 1, 1, 2, 0x00102030ul,
                    0x00405060ul);
      WriteBaseSection(out, L"beach.jpg");
    });
    const std::unique_ptr<KQ_2D_Light> read = ReadLight(bytes);
    const KQ_GlassBallLight& light = As<KQ_GlassBallLight>(read);
    EXPECT_TRUE((FileLinkKey{L"a.png", 1}) == light.overlayALink.Key());
    EXPECT_TRUE((FileLinkKey{L"b.png", 2}) == light.overlayBLink.Key());
    EXPECT_TRUE((FileLinkKey{L"stand.png", 3}) == light.standLink.Key());
    EXPECT_TRUE((FileLinkKey{L"sky.jpg", 4}) == light.backgroundLink.Key());
    EXPECT_FLOAT_EQ(1.5f, light.speed.Result());
    EXPECT_EQ(-40, light.ballPosition.Get().x);
    EXPECT_EQ(12, light.ballPosition.Get().y);
    EXPECT_EQ(80u, light.ballSize.Get());
    EXPECT_EQ(30u, light.magnification.Get());
    EXPECT_EQ(0, light.overlayAOn.Get());
    EXPECT_EQ(1, light.overlayBOn.Get());
    EXPECT_EQ(1, light.standOn.Get());
    EXPECT_EQ(1, light.backgroundMode.Get());
    EXPECT_EQ(2, light.motionMode.Get());
    EXPECT_EQ(0x00102030ul, light.gradientTop.Get());
    EXPECT_EQ(0x00405060ul, light.gradientBottom.Get());
    EXPECT_EQ(L"beach.jpg", light.pictureLink.Key().path);
    EXPECT_EQ(0, light.plainSwitch.Get());
    if (version == KQ_GlassBallLight::CurrentVersion) {
      EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { light.Write(out); }));
    }
  }
}

TEST(GlassBallSection, DefaultsAreThePacksImagesAndASwayingFullSizeBall) {
  const KQ_GlassBallLight light;
  EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 58}) == light.overlayALink.Key());
  EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 59}) == light.overlayBLink.Key());
  EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 60}) == light.standLink.Key());
  EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 5}) == light.backgroundLink.Key());
  EXPECT_FLOAT_EQ(1.0f, light.speed.Result());
  EXPECT_EQ(100u, light.ballSize.Get());
  EXPECT_EQ(3, light.motionMode.Get());
  EXPECT_TRUE(light.NeedsSceneCapture());
  KQ_GlassBallLight plain;
  plain.plainSwitch = 1;
  EXPECT_FALSE(plain.NeedsSceneCapture());
}

std::vector<uint8_t> MatrixSection(unsigned long version) {
  return Written([&](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"KQ_MatrixCodeLight", version);
    WriteSettings(out, 12u, 55u, 7u, 1, 1, 0, 0x0000FF00ul, 0x00FFFFFFul, 25u);
    if (version >= 2) WriteLink(out, L"glyphs.png", 9);
    WriteBaseSection(out, L"city.jpg");
  });
}

TEST(MatrixCodeSection, ReadsTheGlyphLinkFromVersion2) {
  struct Case {
    unsigned long version;
    FileLinkKey glyphs;
  } cases[] = {{1, {L"tessaly.dll", 40}}, {2, {L"glyphs.png", 9}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    const std::vector<uint8_t> bytes = MatrixSection(c.version);
    const std::unique_ptr<KQ_2D_Light> read = ReadLight(bytes);
    const KQ_MatrixCodeLight& light = As<KQ_MatrixCodeLight>(read);
    EXPECT_EQ(12u, light.cellSize.Get());
    EXPECT_EQ(55u, light.density.Get());
    EXPECT_EQ(7u, light.flickerCells.Get());
    EXPECT_EQ(1, light.glitch.Get());
    EXPECT_EQ(1, light.backgroundMode.Get());
    EXPECT_EQ(0, light.dropMode.Get());
    EXPECT_EQ(0x0000FF00ul, light.trailColour.Get());
    EXPECT_EQ(0x00FFFFFFul, light.headColour.Get());
    EXPECT_FLOAT_EQ(0.75f, light.transparency.Result());
    EXPECT_TRUE(c.glyphs == light.glyphLink.Key());
    EXPECT_EQ(L"city.jpg", light.pictureLink.Key().path);
  }
  const std::unique_ptr<KQ_2D_Light> read = ReadLight(MatrixSection(2));
  EXPECT_EQ(MatrixSection(2), Written([&](KQ_IOF_Virtual& out) { read->Write(out); }));
}

std::vector<uint8_t> UnderwaterVersion1(unsigned storedSpeed) {
  return Written([&](KQ_IOF_Virtual& out) {
    WriteSectionHeader(out, L"FakeUndervater", 1);
    out.WriteUInt(storedSpeed);
    WriteBaseSection(out, L"reef.jpg");
  });
}

TEST(UnderwaterSection, Version1KeepsOnlyTheSpeedAtTwiceTodaysScale) {
  struct Case {
    unsigned stored, speed;
  } cases[] = {{50, 25}, {51, 25}, {1, 0}, {0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const std::unique_ptr<KQ_2D_Light> read = ReadLight(UnderwaterVersion1(c.stored));
    const FakeUndervater& light = As<FakeUndervater>(read);
    EXPECT_EQ(c.speed, light.ripple.speed.Get());
    // Everything else of the ripple keeps its defaults.
    EXPECT_EQ(50u, light.ripple.amplitude.Get());
    EXPECT_EQ(50u, light.ripple.frequency.Get());
    EXPECT_TRUE((FileLinkKey{L"tessaly.dll", 88}) == light.ripple.effectFile.Key());
    EXPECT_EQ(L"reef.jpg", light.pictureLink.Key().path);
  }
}

TEST(UnderwaterSection, LaterVersionsReadTheWholeRippleSection) {
  KQ_UnderwaterFX stored;
  stored.amplitude.Set(80);
  stored.frequency.Set(10);
  stored.speed.Set(40);
  for (unsigned long version : {0ul, 2ul, 3ul}) {
    SCOPED_TRACE(version);
    const std::vector<uint8_t> bytes = Written([&](KQ_IOF_Virtual& out) {
      WriteSectionHeader(out, L"FakeUndervater", version);
      stored.Write(out);
      WriteBaseSection(out, L"reef.jpg");
    });
    const std::unique_ptr<KQ_2D_Light> read = ReadLight(bytes);
    const FakeUndervater& light = As<FakeUndervater>(read);
    EXPECT_FLOAT_EQ(0.01f, light.ripple.amplitude.Result());
    EXPECT_FLOAT_EQ(0.021f, light.ripple.frequency.Result());
    EXPECT_EQ(40u, light.ripple.speed.Get());
    if (version == FakeUndervater::CurrentVersion) {
      EXPECT_EQ(bytes, Written([&](KQ_IOF_Virtual& out) { light.Write(out); }));
    }
  }
}

}  // namespace
