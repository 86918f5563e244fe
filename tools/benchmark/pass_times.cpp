#include "tools/benchmark/pass_times.h"

#include <cxxabi.h>

#include <cstdlib>

#include "render/pass_marks.h"

namespace {

PassTimes* Installed = nullptr;

// Items mark their passes with their type's mangled name.
std::string ReadableName(const char* pass) {
  int status = 0;
  char* demangled = abi::__cxa_demangle(pass, nullptr, nullptr, &status);
  if (status != 0) return pass;
  std::string name = demangled;
  std::free(demangled);
  return name;
}

}  // namespace

PassTimes::PassTimes(OffscreenDevice& offscreen) : offscreen_(offscreen) {
  Installed = this;
  OnPassEnd = &PassTimes::OnMark;
}

PassTimes::~PassTimes() {
  OnPassEnd = nullptr;
  Installed = nullptr;
}

void PassTimes::OnMark(const char* pass) { Installed->EndPass(ReadableName(pass)); }

void PassTimes::BeginFrame() {
  frame_.clear();
  lap_ = Stopwatch();
}

void PassTimes::EndPass(const std::string& pass) {
  offscreen_.Finish();
  frame_.emplace_back(pass, lap_.Milliseconds());
  lap_ = Stopwatch();
}

void PassTimes::EndFrame(size_t slide) {
  if (slides_.size() <= slide) slides_.resize(slide + 1);
  std::vector<Pass>& passes = slides_[slide];
  // A pass that comes more than once in a frame (two items of one class) is summed.
  for (size_t i = 0; i < frame_.size(); ++i) {
    bool seenBefore = false;
    for (size_t j = 0; j < i; ++j) seenBefore = seenBefore || frame_[j].first == frame_[i].first;
    if (seenBefore) continue;
    double milliseconds = 0;
    for (size_t j = i; j < frame_.size(); ++j) {
      if (frame_[j].first == frame_[i].first) milliseconds += frame_[j].second;
    }
    auto pass = passes.begin();
    while (pass != passes.end() && pass->name != frame_[i].first) ++pass;
    if (pass == passes.end()) pass = passes.insert(pass, Pass{frame_[i].first, {}});
    pass->samples.Add(milliseconds);
  }
}
