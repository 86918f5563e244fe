#include "tests/support/recording_maker.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace doc_res_testing {
namespace {

constexpr uint32_t CompiledEffectTag = 0xFEFF0901;

bool ReadBitmapSize(const void* bytes, UINT size, UINT& width, UINT& height) {
  const auto* b = static_cast<const uint8_t*>(bytes);
  if (!b || size < 26 || b[0] != 'B' || b[1] != 'M') return false;
  int32_t w, h;
  std::memcpy(&w, b + 18, 4);
  std::memcpy(&h, b + 22, 4);
  width = static_cast<UINT>(w);
  height = static_cast<UINT>(h < 0 ? -h : h);
  return true;
}

std::string Describe(const void* bytes, UINT size) {
  UINT width, height;
  if (ReadBitmapSize(bytes, size, width, height)) {
    return "bmp " + std::to_string(width) + "x" + std::to_string(height);
  }
  if (!bytes) return "''";
  return "'" + std::string(static_cast<const char*>(bytes), size < 16 ? size : 16) + "'";
}

bool BeginsWith(const void* bytes, UINT size, const char* prefix) {
  const size_t n = std::strlen(prefix);
  return bytes && size >= n && std::memcmp(bytes, prefix, n) == 0;
}

const char* UseName(TextureUse use) {
  switch (use) {
    case TextureUse::ResourceWithMipmaps: return "mipmapped";
    case TextureUse::ResourceWithoutMipmaps: return "single-level";
    case TextureUse::Picture: break;
  }
  return "picture";
}

HRESULT MakeTexture(const void* bytes, UINT size, D3DXIMAGE_INFO* info,
                    IDirect3DTexture9** texture) {
  *texture = nullptr;
  UINT width, height;
  if (!ReadBitmapSize(bytes, size, width, height)) return D3DXERR_INVALIDDATA;
  if (info) {
    *info = D3DXIMAGE_INFO{};
    info->Width = width;
    info->Height = height;
  }
  *texture = new FakeTexture(Describe(bytes, size));
  return S_OK;
}

std::vector<uint8_t> FileBytes(const kq_string& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

HRESULT RecordingMaker::CreateTextureFromMemory(const void* bytes, UINT size, TextureUse use,
                                                D3DXIMAGE_INFO* info,
                                                IDirect3DTexture9** texture) {
  log_.push_back(std::string("texture ") + UseName(use) + " " + Describe(bytes, size));
  return MakeTexture(bytes, size, info, texture);
}

HRESULT RecordingMaker::CreateTextureFromFile(const kq_string& path, D3DXIMAGE_INFO* info,
                                              IDirect3DTexture9** texture) {
  log_.push_back("file " + Narrow(path));
  const std::vector<uint8_t> bytes = FileBytes(path);
  return MakeTexture(bytes.data(), static_cast<UINT>(bytes.size()), info, texture);
}

bool RecordingMaker::LoadMeshFromMemory(const void* bytes, UINT size, UINT vertexSize,
                                        MeshRecord& record) {
  log_.push_back("mesh " + std::to_string(vertexSize) + " " + Describe(bytes, size));
  if (!BeginsWith(bytes, size, "xof") || vertexSize != 32) return false;
  record.vertexCount = size;
  record.faceCount = 1;
  return true;
}

bool RecordingMaker::LoadMeshFromFile(const kq_string& path, UINT, MeshRecord&) {
  log_.push_back("mesh-file " + Narrow(path));
  return false;
}

HRESULT RecordingMaker::CreateEffect(const void* bytes, UINT size, ID3DXEffect** effect) {
  *effect = nullptr;
  const std::string source = Describe(bytes, size);
  log_.push_back("effect " + source);
  uint32_t tag = 0;
  if (bytes && size >= 4) std::memcpy(&tag, bytes, 4);
  if (!BeginsWith(bytes, size, "fx") && tag != CompiledEffectTag) return D3DXERR_INVALIDDATA;
  *effect = new FakeEffect(source, log_);
  return S_OK;
}

std::unique_ptr<KQ_DocResManager> RecordingManager(std::vector<std::string>& log,
                                                   IDirect3DDevice9* device) {
  return std::make_unique<KQ_DocResManager>(std::make_unique<RecordingMaker>(log, device));
}

std::vector<uint8_t> BitmapHeader(UINT width, UINT height) {
  std::vector<uint8_t> bytes(26, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  const int32_t w = static_cast<int32_t>(width), h = static_cast<int32_t>(height);
  std::memcpy(&bytes[18], &w, 4);
  std::memcpy(&bytes[22], &h, 4);
  return bytes;
}

std::vector<uint8_t> Bytes(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

std::string Narrow(const kq_string& text) { return std::string(text.begin(), text.end()); }

KQ_EmbeddedData NamedRecord(const kq_string& name, std::vector<uint8_t> bytes) {
  KQ_EmbeddedData record;
  record.name = name;
  record.bytes = std::move(bytes);
  return record;
}

KQ_EmbeddedData PackRecord(int id, const kq_string& module, std::vector<uint8_t> bytes) {
  KQ_EmbeddedData record(id, module);
  record.bytes = std::move(bytes);
  return record;
}

}  // namespace doc_res_testing
