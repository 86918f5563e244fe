#include "tests/support/document_device_test.h"

#include "render/com_references.h"

namespace scene_testing {

void DocumentDeviceTest::SetUp() {
  SceneDeviceTest::SetUp();
  if (HasFailure()) return;
  manager = std::make_unique<KQ_DocResManager>();
  CurrentDocResManager = manager.get();
}

void DocumentDeviceTest::TearDown() {
  CurrentDocResManager = nullptr;
  manager.reset();  // its textures go before the device does
  SceneDeviceTest::TearDown();
}

void DocumentDeviceTest::GivePicture(const FileLinkKey& link, IDirect3DTexture9* texture,
                                     UINT width, UINT height) {
  TextureList& list = manager->GetResourceCache().textureLists[link];
  list.frames.clear();
  list.AppendFrame(TextureEntry(texture, width, height,
                                static_cast<float>(height) / static_cast<float>(width)));
}

void DocumentDeviceTest::ProvidePicture(const FileLinkKey& link, UINT width, UINT height,
                                        const std::function<D3DCOLOR(UINT, UINT)>& texel) {
  IDirect3DTexture9* picture = MakeTexture(width, height, texel);
  GivePicture(link, picture, width, height);
  ReleaseAndNull(&picture);
}

void DocumentDeviceTest::GiveGuidTexture(const GuidKey& key, IDirect3DTexture9* texture) {
  IDirect3DTexture9*& slot = manager->GetResourceCache().guidTextures[key];
  ShareReference(&slot, texture);
}

}  // namespace scene_testing
