// The notification rules every setting follows: who hears about a change, in which order, and
// what copies, assignments and destruction do to the controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <new>

#include "document/media_param_t.h"
#include "document/owned_control_list.h"
#include "tests/document/recording_control.h"

namespace {

using document_testing::BindingOwner;
using document_testing::RecordingControl;
using Log = std::vector<std::string>;

// For each value type: its zero, a value, and one that differs from it in a single component.
template <class T>
struct Values;
template <>
struct Values<int> {
  static int Zero() { return 0; }
  static int One() { return -7; }
  static int Other() { return 7; }
};
template <>
struct Values<unsigned int> {
  static unsigned int Zero() { return 0; }
  static unsigned int One() { return 0x80000000u; }
  static unsigned int Other() { return 0x80000001u; }
};
template <>
struct Values<unsigned long> {
  static unsigned long Zero() { return 0; }
  static unsigned long One() { return 0x00FF8040ul; }
  static unsigned long Other() { return 0x00FF8041ul; }
};
template <>
struct Values<D3DXVECTOR3> {
  static D3DXVECTOR3 Zero() { return D3DXVECTOR3(0, 0, 0); }
  static D3DXVECTOR3 One() { return D3DXVECTOR3(1, 2, 3); }
  static D3DXVECTOR3 Other() { return D3DXVECTOR3(1, 2, 3.5f); }
};
template <>
struct Values<POINT> {
  static POINT Zero() { return POINT{0, 0}; }
  static POINT One() { return POINT{4, 5}; }
  static POINT Other() { return POINT{4, 6}; }
};
template <>
struct Values<kq_string> {
  static kq_string Zero() { return kq_string(); }
  static kq_string One() { return L"pond"; }
  static kq_string Other() { return L"Pond"; }
};

template <class Param>
class EverySetting : public ::testing::Test {};

using SettingTypes =
    ::testing::Types<MediaParamTB<int>, MediaParamTB<unsigned int>, MediaParamTB<unsigned long>,
                     MediaParamTB<D3DXVECTOR3>, MediaParamTB<POINT>, MediaParamTB<kq_string>,
                     MediaParamT<int>, MediaParamT<unsigned int>, MediaParamT<unsigned long>,
                     MediaParamT<D3DXVECTOR3>>;
TYPED_TEST_SUITE(EverySetting, SettingTypes);

TYPED_TEST(EverySetting, StartsAtZeroAndNotifiesOnlyRealChanges) {
  using V = Values<typename TypeParam::ValueType>;
  // Constructed over garbage, the setting must still start at zero.
  alignas(TypeParam) unsigned char storage[sizeof(TypeParam)];
  std::fill(std::begin(storage), std::end(storage), 0xCD);
  auto* setting = new (storage) TypeParam();
  EXPECT_TRUE(SameSettingValue(V::Zero(), setting->Get()));

  Log log;
  RecordingControl binding(log, "binding");
  binding.Watch(*setting);

  setting->Set(V::One());
  setting->Set(V::One());
  EXPECT_EQ(Log{"binding"}, log) << "the second Set stores an equal value";
  setting->Set(V::Other());
  EXPECT_EQ((Log{"binding", "binding"}), log) << "one component differs";
  EXPECT_TRUE(SameSettingValue(V::Other(), setting->Get()));
  EXPECT_EQ(nullptr, binding.last_source);

  setting->~TypeParam();
}

TEST(MediaParam, ChangeSkipsOnlyItsSource) {
  MediaParamTB<int> setting;
  Log log;
  RecordingControl first(log, "first"), second(log, "second"), third(log, "third");
  first.Watch(setting);
  second.Watch(setting);
  third.Watch(setting);
  setting.NotifyObservers(&second);
  EXPECT_EQ((Log{"first", "third"}), log);
  EXPECT_EQ(&second, first.last_source);
}

TEST(MediaParam, UndoHearsFirstThenBindingsInAttachOrder) {
  MediaParamT<int> setting(1);
  Log log;
  RecordingControl early(log, "early"), late(log, "late");
  early.Watch(setting);
  late.Watch(setting);
  early.Watch(setting);  // already attached: stays where it is
  ASSERT_EQ(3u, setting.Controls().size());
  EXPECT_EQ(&setting.UndoControl(), setting.Controls()[0]);

  // A binding that looks at the undo snapshot sees it already updated.
  struct SnapshotProbe : MediaControlT<MediaParam> {
    explicit SnapshotProbe(MediaParamT<int>& s) : setting(s) { Watch(s); }
    void OnChanged(MediaControl*) override { seen = setting.UndoControl().Snapshot(); }
    MediaParamT<int>& setting;
    int seen = 0;
  } probe(setting);

  setting.Set(5);
  EXPECT_EQ((Log{"early", "late"}), log);
  EXPECT_EQ(5, probe.seen);
}

TEST(MediaParam, CopyTakesTheValueButNoBindings) {
  MediaParamT<int> original(4);
  BindingOwner owner;
  owner.bindings.BindFunLightCtrl(&BindingOwner::OnInt, original);

  MediaParamT<int> copy(original);
  EXPECT_EQ(4, copy.Get());
  ASSERT_EQ(1u, copy.Controls().size());
  EXPECT_EQ(&copy.UndoControl(), copy.Controls()[0]);
  EXPECT_EQ(0u, copy.UndoControl().HistorySize());
  copy.Set(9);
  EXPECT_EQ(std::vector<int>{4}, owner.ints) << "only the bind-time call";
  EXPECT_EQ(4, original.Get());
}

TEST(MediaParam, AssignmentMovesValueAndSnapshotButTellsNoBinding) {
  MediaParamT<int> target(3);
  const MediaParamT<int> source(9);
  Log log;
  RecordingControl binding(log, "binding");
  binding.Watch(target);

  target = source;
  EXPECT_EQ(9, target.Get());
  EXPECT_EQ(9, target.UndoControl().Snapshot());
  target = 11;
  EXPECT_EQ(11, target.UndoControl().Snapshot());
  EXPECT_TRUE(log.empty());
  ASSERT_EQ(2u, target.Controls().size()) << "assignment keeps the target's own controls";
}

TEST(MediaParam, DestroyingTheSettingDetachesItsControls) {
  Log log;
  RecordingControl binding(log, "binding");
  {
    MediaParamT<int> setting(2);
    binding.Watch(setting);
  }
  EXPECT_EQ(1, binding.detach_calls);
  EXPECT_EQ(nullptr, binding.Watched());
  // `binding` is destroyed at the end of the test without touching the dead setting.
}

TEST(MediaParam, DestroyingAControlFirstTakesItOutOfTheList) {
  MediaParamT<int> setting(2);
  Log log;
  {
    RecordingControl binding(log, "binding");
    binding.Watch(setting);
    ASSERT_EQ(2u, setting.Controls().size());
  }
  ASSERT_EQ(1u, setting.Controls().size());
  setting.Set(3);
  EXPECT_TRUE(log.empty());
}

TEST(MediaParam, AttachingElsewhereLeavesTheFirstSetting) {
  MediaParamTB<int> first, second;
  Log log;
  RecordingControl control(log, "control");
  control.Watch(first);
  control.Watch(second);
  EXPECT_TRUE(first.Controls().empty());
  EXPECT_EQ(&second, control.Watched());
  first.Set(1);
  second.Set(1);
  EXPECT_EQ(Log{"control"}, log);
}

}  // namespace
