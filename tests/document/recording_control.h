// Test helpers: a control that logs what it is told, and an owner whose members bindings call.
#pragma once

#include <string>
#include <vector>

#include "document/media_control_t.h"
#include "document/owned_control_list.h"

namespace document_testing {

class RecordingControl : public MediaControlT<MediaParam> {
public:
  RecordingControl(std::vector<std::string>& log, std::string name)
      : log_(log), name_(std::move(name)) {}

  // Watches without being told anything yet, like a binding that waits for changes.
  using MediaControlT::Watch;

  void OnChanged(MediaControl* source) override {
    log_.push_back(name_);
    last_source = source;
  }
  void Detach() override {
    ++detach_calls;
    MediaControlT::Detach();
  }

  MediaControl* last_source = nullptr;
  int detach_calls = 0;

private:
  std::vector<std::string>& log_;
  std::string name_;
};

// An owner with its bindings list as a member, as document objects hold it.
struct BindingOwner {
  void OnInt(int value) { ints.push_back(value); }
  void OnUnsigned(unsigned int value) { unsigneds.push_back(value); }
  void OnChange() { ++changes; }

  std::vector<int> ints;
  std::vector<unsigned int> unsigneds;
  int changes = 0;
  OwnedControlList<BindingOwner> bindings{this};
};

}  // namespace document_testing
