#include "tests/support/pass_pixels.h"

#include "render/pass_marks.h"

namespace testing_support {
namespace {

PassPixelCounter* ActiveCounter = nullptr;

}  // namespace

PassPixelCounter::PassPixelCounter(IDirect3DDevice9* device, const char* after, const char* until)
    : after_(after ? after : ""), until_(until) {
  if (FAILED(device->CreateQuery(D3DQUERYTYPE_OCCLUSION, &query_))) query_ = nullptr;
  ActiveCounter = this;
  OnPassEnd = &PassPixelCounter::OnMark;
}

PassPixelCounter::~PassPixelCounter() {
  OnPassEnd = nullptr;
  ActiveCounter = nullptr;
  if (query_) query_->Release();
}

void PassPixelCounter::OnMark(const char* pass) {
  if (ActiveCounter) ActiveCounter->Mark(pass);
}

void PassPixelCounter::Arm() {
  counting_ = counted_ = false;
  if (after_.empty() && query_) {
    query_->Issue(D3DISSUE_BEGIN);
    counting_ = true;
  }
}

void PassPixelCounter::Mark(const char* pass) {
  if (!query_ || counted_) return;
  if (!counting_ && !after_.empty() && after_ == pass) {
    query_->Issue(D3DISSUE_BEGIN);
    counting_ = true;
  } else if (counting_ && until_ == pass) {
    query_->Issue(D3DISSUE_END);
    counting_ = false;
    counted_ = true;
  }
}

long PassPixelCounter::Pixels() {
  if (!counted_) return -1;
  DWORD pixels = 0;
  HRESULT hr;
  while ((hr = query_->GetData(&pixels, sizeof pixels, D3DGETDATA_FLUSH)) == S_FALSE) {
  }
  return SUCCEEDED(hr) ? static_cast<long>(pixels) : -1;
}

}  // namespace testing_support
