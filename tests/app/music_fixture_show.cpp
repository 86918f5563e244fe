// The show of the saver built for the music tests: it clears the screen and offers the audio
// records named by BRINDLEWICK_TEST_MUSIC, entries separated by '|'. An entry is a path to
// play as stored, or "STORED?SOURCE": a record whose stored path is STORED and whose embedded
// bytes are those of the file SOURCE.
#include <fstream>
#include <iterator>
#include <string>

#include "app/show_playback.h"

namespace {

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::wstring::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

DataBlob RecordOf(const std::wstring& entry) {
  const std::vector<std::wstring> parts = Split(entry, L'?');
  DataBlob record{parts[0], {}};
  if (parts.size() > 1) {
    std::ifstream source(parts[1].c_str(), std::ios::binary);
    record.bytes.assign(std::istreambuf_iterator<char>(source), {});
  }
  return record;
}

class MusicFixtureShow : public ShowPlayback {
public:
  void Select(IDirect3DDevice9* device) override { device_ = device; }
  HRESULT Load() override {
    wchar_t list[4096] = {};
    GetEnvironmentVariableW(L"BRINDLEWICK_TEST_MUSIC", list, 4096);
    for (const std::wstring& entry : Split(list, L'|')) {
      if (!entry.empty()) records_.push_back(RecordOf(entry));
    }
    return S_OK;
  }
  void FrameMove(float) override {}
  void Render() override { device_->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF204060, 1.0f, 0); }
  void InvalidateDeviceObjects() override {}
  void RestoreDeviceObjects() override {}
  void ReleaseDeviceObjects() override {}
  std::vector<DataBlob*> AudioFiles() override {
    std::vector<DataBlob*> files;
    for (DataBlob& record : records_) files.push_back(&record);
    return files;
  }
  void SetPicturePosition(int) override {}

private:
  IDirect3DDevice9* device_ = nullptr;
  std::vector<DataBlob> records_;
};

}  // namespace

std::unique_ptr<ShowPlayback> CreateShowPlayback() { return std::make_unique<MusicFixtureShow>(); }
