// The stream form of every setting type, from one hand-written fixture: the reader decodes it
// and the writer reproduces it byte for byte. Then the two ways a read reaches a setting
// (stored quietly, or Set), and reads cut short.
#include <gtest/gtest.h>

#include <functional>

#include "document/image_file_link.h"
#include "document/kq_iof_r.h"
#include "document/kq_iof_w.h"
#include "document/media_color.h"
#include "document/media_direction.h"
#include "document/media_quad.h"
#include "document/media_rectangle.h"
#include "document/media_speed_param.h"
#include "document/owned_control_list.h"
#include "tests/document/recording_control.h"
#include "tests/support/guarded_bytes.h"

namespace {

using Bytes = std::vector<uint8_t>;
using document_testing::BindingOwner;

const Bytes EverySetting = {
    0xFB, 0xFF, 0xFF, 0xFF,  // MediaParamT<int> -5: Int
    0x06, 0x00, 0x00, 0x00,  // MediaParamTB<int> 6: Int
    0xFF, 0xFF, 0xFF, 0xFF,  // MediaParamT<unsigned int> 0xFFFFFFFF: UInt
    0x78, 0x00, 0x00, 0x00,  // UINTSclaleTo<float> 120: UInt
    0x64, 0x00, 0x00, 0x00,  // UINTSclaleTo<unsigned char> 100: UInt
    0x02, 0x00, 0x00, 0x00,  // MediaFloat<unsigned int> 2: UInt
    0x32, 0x00, 0x00, 0x00,  // MediaSpeedParam 50: UInt
    0x5A, 0x00, 0x00, 0x00,  // MediaDirection 90: UInt
    0x00, 0x80, 0x40, 0x00,  // MediaColor 0x00408000: ULong
    // MediaParamT<D3DXVECTOR3> (1.5, -2, 0.25): Float x, y, z
    0x00, 0x00, 0xC0, 0x3F, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x80, 0x3E,
    // MediaParamTB<D3DXVECTOR3> (4, 5, 6)
    0x00, 0x00, 0x80, 0x40, 0x00, 0x00, 0xA0, 0x40, 0x00, 0x00, 0xC0, 0x40,
    // MediaParamTB<POINT> (3, -1): Point
    0x03, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,
    // MediaParamTB<kq_string> "hi": String
    0xFF, 0xFE, 0xFF, 0x02, 'h', 0, 'i', 0,
    // MediaRectangle left 10, right 20, top 30, bottom 40, extras -1 and 2: six Int
    0x0A, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x1E, 0x00, 0x00, 0x00,
    0x28, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00,
    // MediaQuad (1, 0, 0), (0, 1, 0), (0, 0, 1), (1, 1, 1): twelve Float
    0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x3F,
    0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x80, 0x3F,
    // KQ_FileLink3 "a.x", 7: String path, Int64 id
    0xFF, 0xFE, 0xFF, 0x03, 'a', 0, '.', 0, 'x', 0, 0x07, 0, 0, 0, 0, 0, 0, 0,
    // KQ_ImageFileLink "p.png", -1
    0xFF, 0xFE, 0xFF, 0x05, 'p', 0, '.', 0, 'p', 0, 'n', 0, 'g', 0,
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    // KQ_MeshFile "m.dll", 70
    0xFF, 0xFE, 0xFF, 0x05, 'm', 0, '.', 0, 'd', 0, 'l', 0, 'l', 0, 0x46, 0, 0, 0, 0, 0, 0, 0,
    // KQ_HLSLEffectFile "e.dll", 77
    0xFF, 0xFE, 0xFF, 0x05, 'e', 0, '.', 0, 'd', 0, 'l', 0, 'l', 0, 0x4D, 0, 0, 0, 0, 0, 0, 0,
};

// Settings as an owner declares them: defaults, scales and offsets in the declaration.
struct Settings {
  MediaParamT<int> integer;
  MediaParamTB<int> plain_integer;
  MediaParamT<unsigned int> count{1};
  UINTSclaleTo<float> zoom{100, 0.01f};
  UINTSclaleTo<unsigned char> alpha{0, -2.55f, 255.0f};
  MediaFloat<unsigned int> wobble{0, 3.0f};
  MediaSpeedParam speed{25, 0.02f};
  MediaDirection angle;
  MediaColor colour{0x00FFFFFF};
  MediaParamT<D3DXVECTOR3> start;
  MediaParamTB<D3DXVECTOR3> plain_vector;
  MediaParamTB<POINT> position;
  MediaParamTB<kq_string> name;
  MediaRectangle area;
  MediaQuad corners;
  KQ_FileLink3 link;
  KQ_ImageFileLink image;
  KQ_MeshFile mesh{70, L"tessaly.dll"};
  KQ_HLSLEffectFile effect{77, L"tessaly.dll"};

  // The one list, in stream order, that both reading and writing use.
  template <class Self, class Visit>
  static void InStreamOrder(Self& s, Visit visit) {
    visit(s.integer, s.plain_integer, s.count, s.zoom, s.alpha, s.wobble, s.speed, s.angle,
          s.colour, s.start, s.plain_vector, s.position, s.name, s.area, s.corners, s.link,
          s.image, s.mesh, s.effect);
  }
  void Read(KQ_IOF_Virtual& stream) {
    InStreamOrder(*this, [&](auto&... all) { ReadSettings(stream, all...); });
  }
  void Write(KQ_IOF_Virtual& stream) const {
    InStreamOrder(*this, [&](const auto&... all) { WriteSettings(stream, all...); });
  }
};

TEST(SettingStream, ReadsEveryTypeFromTheHandWrittenFixture) {
  testing_support::GuardedBytes bytes(EverySetting);
  ResourceBuffer buffer(bytes.Data(), bytes.Size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  Settings s;
  s.Read(stream);
  ASSERT_FALSE(stream.Failed());
  EXPECT_EQ(0u, buffer.Remaining());

  EXPECT_EQ(-5, s.integer.Get());
  EXPECT_EQ(6, s.plain_integer.Get());
  EXPECT_EQ(0xFFFFFFFFu, s.count.Get());
  EXPECT_EQ(120u, s.zoom.Get());
  EXPECT_NEAR(1.2f, s.zoom.Result(), 1e-6) << "scaled settings are read through Set";
  EXPECT_EQ(0, s.alpha.Result());
  EXPECT_EQ(6.0f, s.wobble.Result());
  EXPECT_EQ(1.0f, s.speed.Result());
  EXPECT_EQ(90u, s.angle.Get());
  EXPECT_EQ(1.0f, s.angle.Direction().x) << "a read leaves the direction vectors";
  EXPECT_EQ(0x00408000ul, s.colour.Get());
  EXPECT_TRUE(s.start.Get() == D3DXVECTOR3(1.5f, -2.0f, 0.25f));
  EXPECT_TRUE(s.plain_vector.Get() == D3DXVECTOR3(4.0f, 5.0f, 6.0f));
  EXPECT_EQ(3, s.position.Get().x);
  EXPECT_EQ(-1, s.position.Get().y);
  EXPECT_EQ(L"hi", s.name.Get());
  const int edges[6] = {s.area.left.Get(),   s.area.right.Get(),       s.area.top.Get(),
                        s.area.bottom.Get(), s.area.first_extra.Get(), s.area.second_extra.Get()};
  EXPECT_EQ((std::vector<int>{10, 20, 30, 40, -1, 2}), std::vector<int>(edges, edges + 6));
  EXPECT_TRUE(s.corners.corners[0].Get() == D3DXVECTOR3(1, 0, 0));
  EXPECT_TRUE(s.corners.corners[1].Get() == D3DXVECTOR3(0, 1, 0));
  EXPECT_TRUE(s.corners.corners[2].Get() == D3DXVECTOR3(0, 0, 1));
  EXPECT_TRUE(s.corners.corners[3].Get() == D3DXVECTOR3(1, 1, 1));
  EXPECT_EQ(L"a.x", s.link.Key().path);
  EXPECT_EQ(7, s.link.Key().id);
  EXPECT_EQ(L"p.png", s.image.Key().path);
  EXPECT_EQ(-1, s.image.Key().id);
  EXPECT_EQ(L"m.dll", s.mesh.Key().path);
  EXPECT_EQ(70, s.mesh.Key().id);
  EXPECT_EQ(L"e.dll", s.effect.Key().path);
  EXPECT_EQ(77, s.effect.Key().id);
}

TEST(SettingStream, WriterReproducesTheFixture) {
  ResourceBuffer buffer(EverySetting.data(), EverySetting.size());
  KQ_IOF_R<ResourceBuffer> reader(buffer);
  Settings s;
  s.Read(reader);
  KQ_IOF_W writer;
  s.Write(writer);
  EXPECT_EQ(EverySetting, writer.Bytes());
}

TEST(SettingStream, RectangleIs24BytesAndQuad48) {
  KQ_IOF_W rectangle, quad;
  WriteSetting(rectangle, MediaRectangle());
  WriteSetting(quad, MediaQuad());
  EXPECT_EQ(24u, rectangle.Bytes().size());
  EXPECT_EQ(48u, quad.Bytes().size());
}

// Reads one UInt 9 into each kind of setting, with a binding attached.
TEST(SettingStream, PlainValuesAreStoredQuietlyScaledAndReadAndSetAreSet) {
  const Bytes nine = {0x09, 0, 0, 0};
  struct Case {
    const char* what;
    std::function<void(KQ_IOF_Virtual&, MediaParamT<unsigned int>&)> read;
    std::unique_ptr<MediaParamT<unsigned int>> setting;
    bool binding_told;
  };
  Case cases[] = {
      {"plain value", [](auto& s, auto& p) { ReadSetting(s, p); },
       std::make_unique<MediaParamT<unsigned int>>(3), false},
      {"scaled", [](auto& s, auto& p) { ReadSetting(s, static_cast<UINTSclaleTo<float>&>(p)); },
       std::make_unique<UINTSclaleTo<float>>(3, 1.0f), true},
      {"plain value read with ReadAndSet", [](auto& s, auto& p) { ReadAndSet(s, p); },
       std::make_unique<MediaParamT<unsigned int>>(3), true},
      {"ReadAndSet of the stored value", [](auto& s, auto& p) { ReadAndSet(s, p); },
       std::make_unique<MediaParamT<unsigned int>>(9), false},
  };
  for (Case& c : cases) {
    BindingOwner owner;
    owner.bindings.BindFunLightCtrl2(&BindingOwner::OnChange, *c.setting);
    const unsigned int snapshot_before = c.setting->UndoControl().Snapshot();
    ResourceBuffer buffer(nine.data(), nine.size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    c.read(stream, *c.setting);
    EXPECT_EQ(9u, c.setting->Get()) << c.what;
    EXPECT_EQ(c.binding_told ? 1 : 0, owner.changes) << c.what;
    EXPECT_EQ(c.binding_told ? 9u : snapshot_before, c.setting->UndoControl().Snapshot())
        << c.what;
  }
  UINTSclaleTo<float> zoom(3, 0.5f);
  ResourceBuffer buffer(nine.data(), nine.size());
  KQ_IOF_R<ResourceBuffer> stream(buffer);
  ReadSetting(stream, zoom);
  EXPECT_EQ(4.5f, zoom.Result());
}

// The stream holds only the start of a value: none of it may land in the setting, and
// nothing past the end may be read.
TEST(SettingStream, ReadsCutShortLeaveTheSettingAsItWas) {
  const struct {
    const char* what;
    Bytes bytes;
    std::function<void(KQ_IOF_Virtual&, Settings&)> read;
    std::function<bool(const Settings&)> unchanged;
  } cases[] = {
      {"UInt", {0x09, 0, 0}, [](auto& s, Settings& all) { ReadSetting(s, all.count); },
       [](const Settings& all) { return all.count.Get() == 1; }},
      {"scaled UInt", {0x09, 0}, [](auto& s, Settings& all) { ReadSetting(s, all.zoom); },
       [](const Settings& all) { return all.zoom.Get() == 100 && all.zoom.Result() == 1.0f; }},
      {"vector", {0, 0, 0x80, 0x3F, 0, 0, 0, 0x40},
       [](auto& s, Settings& all) { ReadSetting(s, all.start); },
       [](const Settings& all) { return all.start.Get() == D3DXVECTOR3(0, 0, 0); }},
      {"String", {0xFF, 0xFE, 0xFF, 0x02, 'h', 0},
       [](auto& s, Settings& all) { ReadSetting(s, all.name); },
       [](const Settings& all) { return all.name.Get().empty(); }},
      {"link without its whole id", {0xFF, 0xFE, 0xFF, 0x01, 'q', 0, 1, 0, 0, 0},
       [](auto& s, Settings& all) { ReadSetting(s, all.mesh); },
       [](const Settings& all) { return all.mesh.Key() == FileLinkKey{L"tessaly.dll", 70}; }},
  };
  for (const auto& c : cases) {
    testing_support::GuardedBytes bytes(c.bytes);
    ResourceBuffer buffer(bytes.Data(), bytes.Size());
    KQ_IOF_R<ResourceBuffer> stream(buffer);
    Settings settings;
    c.read(stream, settings);
    EXPECT_TRUE(stream.Failed()) << c.what;
    EXPECT_TRUE(c.unchanged(settings)) << c.what;
  }
}

}  // namespace
