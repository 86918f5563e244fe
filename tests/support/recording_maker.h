// A maker for tests without a device: it notes every request in a log and makes fake objects.
//
// Log lines: "texture <use> <source>", "file <path>", "mesh <vertexSize> <source>",
// "mesh-file <path>", "effect <source>", where a source reads "bmp WxH" for bitmap bytes and
// "'<text>'" for anything else (its first bytes). What it accepts:
// - image bytes that begin with a bitmap header, of the size the header states (a file: its
//   bytes, read from disk);
// - mesh bytes that begin with "xof": vertexCount := their length, one face, vertexSize 32 only;
// - effect bytes that begin with "fx", or a compiled effect: a FakeEffect named by the source.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/doc_res_manager.h"
#include "document/resource_maker.h"
#include "tests/support/fake_device_objects.h"

namespace doc_res_testing {

class RecordingMaker final : public ResourceMaker {
public:
  RecordingMaker(std::vector<std::string>& log, IDirect3DDevice9* device)
      : log_(log), device_(device) {}

  IDirect3DDevice9* Device() const override { return device_; }
  HRESULT CreateTextureFromMemory(const void* bytes, UINT size, TextureUse use,
                                  D3DXIMAGE_INFO* info, IDirect3DTexture9** texture) override;
  HRESULT CreateTextureFromFile(const kq_string& path, D3DXIMAGE_INFO* info,
                                IDirect3DTexture9** texture) override;
  bool LoadMeshFromMemory(const void* bytes, UINT size, UINT vertexSize,
                          MeshRecord& record) override;
  bool LoadMeshFromFile(const kq_string& path, UINT vertexSize, MeshRecord& record) override;
  HRESULT CreateEffect(const void* bytes, UINT size, ID3DXEffect** effect) override;

private:
  std::vector<std::string>& log_;
  IDirect3DDevice9* device_;
};

// A manager whose maker logs into `log`; `device` is only handed back, never called.
std::unique_ptr<KQ_DocResManager> RecordingManager(std::vector<std::string>& log,
                                                   IDirect3DDevice9* device = nullptr);

// A bitmap header of width x height: enough for the recording maker, no pixels.
std::vector<uint8_t> BitmapHeader(UINT width, UINT height);
std::vector<uint8_t> Bytes(const std::string& text);
std::string Narrow(const kq_string& text);

// A record with a name and bytes (an embedded file), and one of a pack's resource.
KQ_EmbeddedData NamedRecord(const kq_string& name, std::vector<uint8_t> bytes);
KQ_EmbeddedData PackRecord(int id, const kq_string& module, std::vector<uint8_t> bytes = {});

}  // namespace doc_res_testing
