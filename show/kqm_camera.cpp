#include "show/kqm_camera.h"

#include <cmath>
#include <cstdlib>

#include "document/setting_stream.h"
#include "render/picture_layout.h"

namespace {

float RandomFraction() { return static_cast<float>(std::rand() / 32767.0); }

}  // namespace

KQM_Camera& KQM_Camera::operator=(const KQM_Camera& other) {
  on = other.on;
  zoom = other.zoom;
  speed = other.speed;
  driftFlag_ = other.driftFlag_;
  panXFrom_ = other.panXFrom_;
  panXTo_ = other.panXTo_;
  panYFrom_ = other.panYFrom_;
  panYTo_ = other.panYTo_;
  segmentStart_ = other.segmentStart_;
  segmentEnd_ = other.segmentEnd_;
  return *this;
}

void KQM_Camera::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQM_Camera", CurrentVersion);
  WriteSettings(stream, on, zoom, speed);
}

void KQM_Camera::ReadFields(KQ_IOF_Virtual& stream) { ReadSettings(stream, on, zoom, speed); }

std::unique_ptr<KQM_Camera> ReadCamera(KQ_IOF_Virtual& stream) {
  ReadSectionHeader(stream);
  auto camera = std::make_unique<KQM_Camera>();
  camera->ReadFields(stream);
  return camera;
}

PanZoom KQM_Camera::Advance(float t) {
  speed.Advance(t);
  const float c = speed.LocalTime();
  PanZoom view;
  if (on.Get() == 0 || !driftFlag_) return view;
  if (c >= segmentEnd_) NextDriftSegment(c);
  // A stored zoom of 0 would divide the picture away; it counts as no zoom.
  view.zoom = zoom.Result() > 0 ? zoom.Result() : 1.0f;
  const float u = (c - segmentStart_) * 3.1415927f / (segmentEnd_ - segmentStart_);
  const float f = (1 - std::cos(u)) * 0.5f;
  view.panX = panXFrom_ + f * (panXTo_ - panXFrom_);
  view.panY = panYFrom_ + f * (panYTo_ - panYFrom_);
  return view;
}

void KQM_Camera::UpdateDrift(float t) {
  const PanZoom view = Advance(t);
  CurrentPictureView().SetPanZoom(view.zoom, view.panX, view.panY);
}

bool KQM_Camera::RestartDrift() {
  const bool wasOn = driftFlag_;
  driftFlag_ = true;
  panXFrom_ = panXTo_ = panYFrom_ = panYTo_ = segmentStart_ = segmentEnd_ = 0;
  return wasOn;
}

void KQM_Camera::NextDriftSegment(float c) {
  segmentStart_ = c;
  panXFrom_ = panXTo_;
  panYFrom_ = panYTo_;
  if (std::rand() % 2 == 0) {
    segmentEnd_ = c + 0.5f;
    return;
  }
  panXTo_ = RandomFraction() * 2 - 1;
  panYTo_ = RandomFraction() * 2 - 1;
  const float length = RandomFraction() * 2 + 5;
  segmentEnd_ = length + c;
}
