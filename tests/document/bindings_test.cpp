// Bindings from settings to members of their owner, the list that owns them, and ComHolder.
#include <gtest/gtest.h>

#include <unknwn.h>

#include <algorithm>
#include <iterator>
#include <new>
#include <numeric>
#include <vector>

#include "document/file_link.h"
#include "document/media_param_t.h"
#include "document/owned_control_list.h"
#include "render/com_holder.h"
#include "tests/document/recording_control.h"

namespace {

using document_testing::BindingOwner;

TEST(KQ_FunLightCtrl, CalledAtOnceWithTheValueThenOnRealChanges) {
  MediaParamT<int> setting(7);
  BindingOwner owner;
  owner.bindings.BindFunLightCtrl(&BindingOwner::OnInt, setting);
  EXPECT_EQ(std::vector<int>{7}, owner.ints);
  setting.Set(7);
  setting.Set(-3);
  EXPECT_EQ((std::vector<int>{7, -3}), owner.ints);
}

TEST(KQ_FunLightCtrl2, CalledOnlyWhenTheWatchedSettingChanges) {
  KQ_FileLink3 picture(5, L"tessaly.dll");
  MediaParamT<unsigned int> angle(40);
  BindingOwner owner;
  owner.bindings.BindFunLightCtrl2(&BindingOwner::OnChange, picture);
  owner.bindings.BindFunLightCtrl2(&BindingOwner::OnChange, angle);
  EXPECT_EQ(0, owner.changes);
  picture.Set({L"tessaly.dll", 5});
  angle.Set(40);
  EXPECT_EQ(0, owner.changes) << "equal values";
  picture.Set({L"tessaly.dll", 6});
  angle.Set(41);
  EXPECT_EQ(2, owner.changes);
}

TEST(OwnedControlList, DestroyingTheListTakesItsBindingsOffTheSettings) {
  MediaParamT<int> setting(1);
  BindingOwner owner;
  {
    OwnedControlList<BindingOwner> bindings(&owner);
    bindings.BindFunLightCtrl(&BindingOwner::OnInt, setting);
    bindings.BindFunLightCtrl2(&BindingOwner::OnChange, setting);
    EXPECT_EQ(3u, setting.Controls().size());
  }
  EXPECT_EQ(1u, setting.Controls().size());
  setting.Set(2);
  EXPECT_EQ(std::vector<int>{1}, owner.ints);
  EXPECT_EQ(0, owner.changes);
}

TEST(OwnedControlList, SettingsDestroyedFirstLeaveTheBindingsDetached) {
  alignas(MediaParamT<int>) unsigned char storage[sizeof(MediaParamT<int>)];
  BindingOwner owner;
  auto* setting = new (storage) MediaParamT<int>(1);
  owner.bindings.BindFunLightCtrl(&BindingOwner::OnInt, *setting);
  setting->~MediaParamT<int>();
  // Garbage where the setting was: a binding that still reached for it would crash when the
  // owner's list deletes it at the end of the test.
  std::iota(std::begin(storage), std::end(storage), static_cast<unsigned char>(0x80));
}

TEST(OwnedControlList, DeletesAnOwnerThatHandedItsLifetimeToTheList) {
  struct CountedOwner {
    explicit CountedOwner(int& deletions) : deletions(deletions) {}
    ~CountedOwner() { ++deletions; }
    void OnChange() {}
    int& deletions;
  };
  int deletions = 0;
  MediaParamT<int> setting;
  {
    CountedOwner member_owner(deletions);
    OwnedControlList<CountedOwner> claimed(&member_owner);
    claimed.BindFunLightCtrl2(&CountedOwner::OnChange, setting);
  }
  EXPECT_EQ(1, deletions) << "the stack owner only";
  {
    OwnedControlList<CountedOwner> owning(new CountedOwner(deletions),
                                          OwnerLifetime::DeletedWithList);
    owning.BindFunLightCtrl2(&CountedOwner::OnChange, setting);
  }
  EXPECT_EQ(2, deletions);
  EXPECT_EQ(1u, setting.Controls().size());
}

// An IUnknown that only counts.
class CountingUnknown : public IUnknown {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override {
    ++releases;
    return --references;
  }
  ULONG references = 1;
  int releases = 0;
};

TEST(ComHolder, ReleasesOnceAndOnlyWhatItHolds) {
  ComHolder<CountingUnknown> empty;
  empty.Release();
  EXPECT_EQ(nullptr, empty.Get());

  CountingUnknown object;
  ComHolder<CountingUnknown> holder;
  holder.Adopt(&object);
  holder.Release();
  holder.Release();
  EXPECT_EQ(1, object.releases);
  EXPECT_EQ(0u, object.references);
  EXPECT_EQ(nullptr, holder.Get());
}

TEST(ComHolder, CopiesHoldTheirOwnReferences) {
  CountingUnknown object;
  {
    ComHolder<CountingUnknown> first;
    first.Adopt(&object);
    std::vector<ComHolder<CountingUnknown>> holders(3, first);
    EXPECT_EQ(4u, object.references);
    holders[0] = holders[1];  // one reference given back, one taken
    EXPECT_EQ(4u, object.references);
    holders.clear();
    EXPECT_EQ(1u, object.references);
    ComHolder<CountingUnknown> moved(std::move(first));
    EXPECT_EQ(nullptr, first.Get());
    EXPECT_EQ(1u, object.references);
  }
  EXPECT_EQ(0u, object.references);
}

}  // namespace
