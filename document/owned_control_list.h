// The bindings an object creates, owned by the object: destroying the list deletes them, and
// each leaves the setting it still watches. The owner is the object whose members the bindings
// call; it claims the list (the usual case, the list being one of its members), or hands the
// list its own lifetime, in which case destroying the list also deletes the owner.
//
//   OwnedControlList<KQ_WaterFX> bindings{this};
//   bindings.BindFunLightCtrl2(&KQ_WaterFX::OnAngleChanged, angle);
#pragma once

#include <memory>
#include <vector>

#include "document/fun_light_ctrl.h"

enum class OwnerLifetime { ClaimedByOwner, DeletedWithList };

template <class Owner>
class OwnedControlList {
public:
  explicit OwnedControlList(Owner* owner, OwnerLifetime lifetime = OwnerLifetime::ClaimedByOwner)
      : owner_(owner), delete_owner_(lifetime == OwnerLifetime::DeletedWithList) {}
  OwnedControlList(const OwnedControlList&) = delete;
  OwnedControlList& operator=(const OwnedControlList&) = delete;

  ~OwnedControlList() {
    controls_.clear();
    if (delete_owner_) delete owner_;
  }

  // Binds `member` to `setting`; the member is called at once with the current value.
  template <class V, class T>
  void BindFunLightCtrl(void (T::*member)(V), MediaParamTB<V>& setting) {
    auto control = std::make_unique<KQ_FunLightCtrl<V, T>>(*owner_, member);
    control->Attach(setting);
    controls_.push_back(std::move(control));
  }

  // Binds `member` to every later change of `setting`; nothing is called now.
  template <class T>
  void BindFunLightCtrl2(void (T::*member)(), MediaParam& setting) {
    controls_.push_back(std::make_unique<KQ_FunLightCtrl2<T>>(*owner_, member, setting));
  }

private:
  Owner* owner_;
  bool delete_owner_;
  std::vector<std::unique_ptr<MediaControl>> controls_;
};
