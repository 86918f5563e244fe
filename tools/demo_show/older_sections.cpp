#include "tools/demo_show/older_sections.h"

#include "document/file_link.h"
#include "document/setting_stream.h"

namespace demo_show {
namespace {

// A flow section of version 1 or 2 over the current sprite properties.
void WriteOlderFlowSection(const KQ_FlowConstructor& flow, unsigned long version,
                           KQ_IOF_Virtual& stream) {
  WriteSectionHeader(stream, KQ_FlowConstructor::ClassName, version);
  WriteSettings(stream, flow.angle, flow.wobbleAmplitude, flow.wobbleRate, flow.flowSpeed);
  if (version == 2) {
    stream.WriteInt(flow.orientationMode.Get() == KQ_FlowConstructor::TurnedToFlow ? 1 : 0);
  }
  flow.KQ_BaseSpriteProp::Write(stream);
}

}  // namespace

void FirstStillPicture::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, ClassName, 1);
  WriteSettings(stream, placement, rotation, flipVertical, mirror);
  // Version 4 ends with the source kind: no flip flags, no refill flag.
  WriteSectionHeader(stream, L"KQ_BaseSpriteProp", 4);
  KQ_ViewObjCtrl::Write(stream);
  WriteVersion4Fields(stream);
}

void FirstFlow::Write(KQ_IOF_Virtual& stream) const { WriteOlderFlowSection(*this, 1, stream); }

void RainOverSecondFlow::Write(KQ_IOF_Virtual& stream) const {
  WriteOwnSection(stream);
  WriteOlderFlowSection(*this, 2, stream);
}

void LightPulseOverFirstEffect::Write(KQ_IOF_Virtual& stream) const {
  WriteOwnSection(stream);
  WriteSectionHeader(stream, L"KQ_FX_Constructor", 1);
  WriteVersion1Fields(stream);
  KQ_ABObj_Constructor::Write(stream);
}

void FirstFlameLight::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_FlameLight", 1);
  WriteSettings(stream, fireOn, distortionOn, fireOffset, fire.speed);
  WriteDistortionSettings(stream);
  // Two links the reader passes over, where later versions store the fire's section.
  WriteSettings(stream, fire.patternImage, fire.noiseImage);
  KQ_2D_Light::Write(stream);
}

void SecondPlainLight::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_2D_Light", 2);
  WriteFileLink(stream, pictureLink);
}

}  // namespace demo_show
