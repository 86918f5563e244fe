#include "show/lights/fake_undervater.h"

#include "document/class_registry.h"
#include "render/picture_layout.h"

REGISTER_DOCUMENT_FAMILY_CLASS(FakeUndervater, KQ_2D_Light);

void FakeUndervater::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  if (version == 1) {
    unsigned int storedSpeed = ripple.speed.Get();
    stream.ReadUInt(storedSpeed);
    if (!stream.Failed()) {
      ripple.speed.Set(storedSpeed);
      ripple.speed.Set(storedSpeed >> 1);
    }
  } else {
    const std::unique_ptr<KQ_UnderwaterFX> stored = ReadUnderwaterFX(stream);
    if (!stream.Failed()) ripple = *stored;
  }
  ReadBaseSection(stream, *this);
}

void FakeUndervater::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"FakeUndervater", CurrentVersion);
  ripple.Write(stream);
  KQ_2D_Light::Write(stream);
}

void FakeUndervater::InitDeviceObjects() {
  KQ_2D_Light::InitDeviceObjects();
  IDirect3DTexture9* noMask = nullptr;
  ripple.CreateDeviceObjects(&noMask);
}

void FakeUndervater::FrameMove(float t) {
  camera.UpdateDrift(t);
  ripple.Update(t);
}

void FakeUndervater::RenderEffect() {
  // Only a capture that began is drawn back: after a reset the pair is gone until the next
  // restore, and the scene drawn straight to the target stays as it is.
  if (IsCapturing()) {
    ShareReference(&sceneTexture_, EndSceneCapture(false).current);
    ripple.ApplyEffect(*this);
  }
  CurrentPictureView().DrawBars();
}
