// Bindings: controls that call a member function of the object that owns them when a setting
// changes. KQ_FunLightCtrl passes the setting's new value and is called once at once when it
// is attached; KQ_FunLightCtrl2 calls a member without arguments and only on later changes.
// Owners create them through their OwnedControlList.
#pragma once

#include "document/media_control_t.h"
#include "document/media_param_tb.h"

template <class V, class T>
class KQ_FunLightCtrl final : public MediaControlT<MediaParamTB<V>> {
public:
  using Member = void (T::*)(V);

  KQ_FunLightCtrl(T& owner, Member member) : member_(member), owner_(owner) {}

  void OnChanged(MediaControl*) override { (owner_.*member_)(this->Watched()->Get()); }

private:
  Member member_;
  T& owner_;
};

template <class T>
class KQ_FunLightCtrl2 final : public MediaControlT<MediaParam> {
public:
  using Member = void (T::*)();

  KQ_FunLightCtrl2(T& owner, Member member, MediaParam& watched)
      : member_(member), owner_(owner) {
    Watch(watched);
  }

  void OnChanged(MediaControl*) override { (owner_.*member_)(); }

private:
  Member member_;
  T& owner_;
};
