#include "show/lights/kq_matrix_code_light.h"

#include <algorithm>

#include "document/class_registry.h"
#include "document/doc_res_manager.h"
#include "document/file_link.h"
#include "document/setting_stream.h"
#include "render/copy_texture.h"
#include "render/current_device.h"
#include "render/picture_layout.h"
#include "render/view_frame.h"

REGISTER_DOCUMENT_FAMILY_CLASS(KQ_MatrixCodeLight, KQ_2D_Light);

namespace {

BYTE ByteOf(unsigned long value, int index) { return (value >> (8 * index)) & 0xFF; }

// The low byte of the truncated product: a factor below 0 (transparency above 100) wraps.
BYTE AlphaOf(float factor) {
  return static_cast<BYTE>(static_cast<int64_t>(factor * 255.0f) & 0xFF);
}

}  // namespace

D3DCOLOR GlyphColour(const GlyphQuad& glyph, float transparency, int backgroundMode,
                     const std::vector<float>& luminance, int32_t rows, int32_t columns,
                     unsigned long trailColour, unsigned long headColour) {
  const int size = KQ_MatrixCodeLight::LuminanceSize;
  float factor;
  if (backgroundMode == 1 && glyph.brightnessClass < 2 && !luminance.empty() && rows > 0 &&
      columns > 0) {
    const int y = size * glyph.row / rows, x = size * glyph.column / columns;
    factor = transparency * luminance[y * size + x];
  } else {
    factor = glyph.brightnessClass == 0 ? transparency * 0.5f : transparency;
  }
  const unsigned long colour = glyph.brightnessClass == 2 ? headColour : trailColour;
  return static_cast<D3DCOLOR>(AlphaOf(factor)) << 24 | ByteOf(colour, 0) << 16 |
         ByteOf(colour, 1) << 8 | ByteOf(colour, 2);
}

int32_t GlyphRowsOfStrip(UINT width, UINT height) {
  if (width == 0) return 2;
  return static_cast<int32_t>(std::min<UINT>(height / width, 253) + 2);
}

void KQ_MatrixCodeLight::Read(KQ_IOF_Virtual& stream, unsigned long version) {
  ReadSettings(stream, cellSize, density, flickerCells, glitch, backgroundMode, dropMode,
               trailColour, headColour, transparency);
  if (version >= 2) ReadFileLink(stream, glyphLink);
  ReadBaseSection(stream, *this);
}

void KQ_MatrixCodeLight::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_MatrixCodeLight", CurrentVersion);
  WriteSettings(stream, cellSize, density, flickerCells, glitch, backgroundMode, dropMode,
                trailColour, headColour, transparency);
  WriteFileLink(stream, glyphLink);
  KQ_2D_Light::Write(stream);
}

void KQ_MatrixCodeLight::RebuildGrid() {
  cursor_ = std::make_unique<GlyphGridCursor>();
  cursor_->grid = KQ_MatrixCodeGrid::Create(gridSettings_, CurrentViewFrame().pictureWidth,
                                            CurrentViewFrame().pictureHeight);
}

void KQ_MatrixCodeLight::ResizeBatch() {
  const unsigned cell = static_cast<unsigned>(std::max(gridSettings_.cellSize, 1));
  const unsigned width = static_cast<unsigned>(std::max(CurrentViewFrame().pictureWidth, 0));
  const unsigned height = static_cast<unsigned>(std::max(CurrentViewFrame().pictureHeight, 0));
  batch_.SetQuadCount(static_cast<int>((height / cell + 1) * (width / cell + 1)));
}

void KQ_MatrixCodeLight::BuildLuminanceMap() {
  if (backgroundMode.Get() == 0) {
    luminance_.clear();
    return;
  }
  if (backgroundMode.Get() != 1) return;
  // Without a readable picture every cell counts as fully lit, so the glyphs still show.
  luminance_.assign(LuminanceSize * LuminanceSize, 1.0f);
  IDirect3DTexture9* copy =
      CopyTexture(pictureQuad_.entry.texture.Get(), LuminanceSize, LuminanceSize, D3DFMT_X8R8G8B8);
  if (!copy) return;
  D3DLOCKED_RECT locked;
  if (SUCCEEDED(copy->LockRect(0, &locked, nullptr, D3DLOCK_READONLY))) {
    for (int y = 0; y < LuminanceSize; ++y) {
      const BYTE* row = static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch;
      for (int x = 0; x < LuminanceSize; ++x) {
        const float b = row[4 * x] / 255.0f, g = row[4 * x + 1] / 255.0f,
                    r = row[4 * x + 2] / 255.0f;
        luminance_[y * LuminanceSize + x] = 0.299f * r + 0.587f * g + 0.114f * b;
      }
    }
    copy->UnlockRect(0);
  }
  ReleaseAndNull(&copy);
}

void KQ_MatrixCodeLight::InitDeviceObjects() {
  KQ_2D_Light::InitDeviceObjects();
  Resize(1, 1);
  TextureEntry strip;
  if (CurrentDocResManager) {
    strip = CurrentDocResManager->GetImageTextures(glyphLink).FirstFrameEntry();
  }
  gridSettings_.glyphRows = GlyphRowsOfStrip(strip.width, strip.height);
  batch_.SetTexture(strip.texture.Get());
  // Each setting is applied on its own, and each application starts a fresh grid.
  RebuildGrid();
  gridSettings_.cellSize = std::max<int32_t>(static_cast<int32_t>(cellSize.Get()), 1);
  RebuildGrid();
  ResizeBatch();
  gridSettings_.density = static_cast<int32_t>(std::clamp(density.Get(), 1u, 100u));
  RebuildGrid();
  gridSettings_.flickerCount = static_cast<int32_t>(flickerCells.Get());
  RebuildGrid();
  gridSettings_.glitch = glitch.Get();
  RebuildGrid();
  gridSettings_.dropMode = dropMode.Get();
  RebuildGrid();
  ResizeBatch();
  BuildLuminanceMap();
}

void KQ_MatrixCodeLight::RestoreDeviceObjects() {
  KQ_2D_Light::RestoreDeviceObjects();
  CurrentDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
  CurrentDevice->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
}

void KQ_MatrixCodeLight::FrameMove(float t) { frameTime_ = t; }

void KQ_MatrixCodeLight::DrawBackground(PictureDraw picture) {
  UpdateGlyphs(frameTime_);
  if (backgroundMode.Get() == 0) {
    KQ_2D_Light::DrawBackground(picture);
  } else if (backgroundMode.Get() == 1) {
    CurrentDevice->Clear(0, nullptr, D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
  }
  CurrentDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
  CurrentDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  // Only the quads that hold a glyph: the rest are transparent and, while the rain is sparse,
  // thousands of them pile onto one cell, where they cost the rasteriser and change no pixel.
  batch_.Draw(cursor_ ? cursor_->count : batch_.QuadCount());
  CurrentDevice->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
}

void KQ_MatrixCodeLight::UpdateGlyphs(float t) {
  camera.UpdateDrift(t);
  if (!cursor_) return;
  const ScreenQuad& picture = CurrentViewFrame().pictureQuad;
  const float x0 = picture.Left(), y0 = picture.Top();
  const float kx = (picture.Right() - x0) * 0.5f /
                   static_cast<float>(std::max(CurrentViewFrame().pictureWidth, 1));
  const float ky = (picture.Bottom() - y0) * 0.5f /
                   static_cast<float>(std::max(CurrentViewFrame().pictureHeight, 1));
  const float cell = static_cast<float>(gridSettings_.cellSize);

  GlyphGridCursor& cursor = *cursor_;
  const bool full = cursor.count >= batch_.QuadCount();
  cursor.column = cursor.row = 0;
  cursor.previousCount = cursor.count;
  cursor.count = 0;
  cursor.grid->Step(full);
  cursor.grid->StartDrops();

  batch_.LockAll();
  const PictureView& view = CurrentPictureView();
  float zx, zy, sx, sy;
  if (view.position != PositionCaptureStretch) {
    const D3DXMATRIX m = view.panZoom * view.fillOffset * view.fillScale;
    zx = m._11;
    zy = m._22;
    sx = view.GetViewShiftX();
    sy = view.GetViewShiftY();
  } else {
    zx = 1 / view.invFillScaleX;
    zy = 1 / view.invFillScaleY;
    sx = view.fillOffsetX;
    sy = view.fillOffsetY;
  }
  const float px = 2 * sx * kx * zx, py = 2 * sy * ky * zy;
  GlyphQuad glyph;
  glyph.halfWidth = kx * cell;
  glyph.halfHeight = ky * cell;
  glyph.originX = x0;
  glyph.originY = y0;
  const KQ_MatrixCodeGrid& grid = *cursor.grid;
  for (int i = 0; i < batch_.QuadCount(); ++i) {
    KQ_MatrixCodeGrid::NextGlyph(cursor, glyph);
    const D3DXVECTOR3 centre(x0 + (glyph.centreX - x0) * zx + px,
                             y0 + (glyph.centreY - y0) * zy + py, 0);
    batch_.SetQuadCorners(i, centre, D3DXVECTOR3(glyph.halfWidth * zx, 0, 0),
                          D3DXVECTOR3(0, glyph.halfHeight * zy, 0));
    const D3DCOLOR colour =
        GlyphColour(glyph, transparency.Result(), backgroundMode.Get(), luminance_, grid.Rows(),
                    grid.Columns(), trailColour.Get(), headColour.Get());
    batch_.SetQuadColour(i, colour & glyph.colourMask);
    batch_.SetQuadUV(i, glyph.uLeft, glyph.uRight, glyph.vTop, glyph.vBottom);
  }
  batch_.UnlockAll();
}

void KQ_MatrixCodeLight::SetPicturePosition(int position) {
  captureRestorePosition_ = position;
  CurrentPictureView().Setup(TargetWidth(), TargetHeight(), pictureQuad_.entry, position, false);
  KQ_2D_Light::Resize(TargetWidth(), TargetHeight());
  RebuildGrid();
  ResizeBatch();
}

void KQ_MatrixCodeLight::OnPictureChanged() {
  ReloadPicture();
  Resize(TargetWidth(), TargetHeight());
  BuildLuminanceMap();
  RebuildGrid();
  ResizeBatch();
}
