// The effect light that lets columns of glyphs rain over the slide's picture. A cell grid over
// the picture decides each frame which cells hold which glyph and how bright each is; every
// occupied cell becomes one quad of a quad batch, drawn blended as part of the background,
// before the slide's items. Behind the glyphs the light draws the picture, plain black, or
// nothing; on black the glyphs take their brightness from the picture's luminance, so that the
// picture emerges from the rain. The grid follows the camera's pan and zoom.
//
// All animation happens once per rendered frame in RenderBackground; FrameMove only notes the
// time. The grid is rebuilt only when its settings, the picture or the picture position change.
#pragma once

#include <memory>
#include <vector>

#include "document/media_color.h"
#include "document/scaled_param.h"
#include "render/kq_quad_batch.h"
#include "show/kq_2d_light.h"
#include "show/lights/kq_matrix_code_grid.h"

// How bright a glyph of the scan is and in which colour, as its ARGB vertex colour (before the
// glyph's colour mask). `transparency` is the brightness factor; in background mode 1 settled
// and fading glyphs take it times the luminance under their cell (a map of 256 x 256, row-major,
// or empty for none), hot ones ignore the map. Colours are colour references.
D3DCOLOR GlyphColour(const GlyphQuad& glyph, float transparency, int backgroundMode,
                     const std::vector<float>& luminance, int32_t rows, int32_t columns,
                     unsigned long trailColour, unsigned long headColour);

// The number of glyph bands of a strip: height / width + 2, kept within 2..255 (2 for a strip
// without width).
int32_t GlyphRowsOfStrip(UINT width, UINT height);

class KQ_MatrixCodeLight : public KQ_2D_Light {
public:
  static constexpr unsigned long CurrentVersion = 2;
  static constexpr int LuminanceSize = 256;

  KQ_MatrixCodeLight() = default;

  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;

  void InitDeviceObjects() override;
  void RestoreDeviceObjects() override;
  void FrameMove(float t) override;
  void SetPicturePosition(int position) override;
  void OnPictureChanged() override;

  const KQ_QuadBatch& Batch() const { return batch_; }
  const GlyphGridCursor* Cursor() const { return cursor_.get(); }
  const GlyphGridSettings& GridSettings() const { return gridSettings_; }
  const std::vector<float>& LuminanceMap() const { return luminance_; }

  MediaParamT<unsigned int> cellSize{16};      // cell edge in picture pixels
  MediaParamT<unsigned int> density{20};       // how often columns start drops, 1 to 100
  MediaParamT<unsigned int> flickerCells{50};  // one fewer cells flicker
  MediaParamT<int> glitch{0};                  // not 0: random cells flare up
  MediaParamT<int> backgroundMode{0};          // 0 the picture, 1 black and luminance, else none
  MediaParamT<int> dropMode{2};                // where new drops start
  MediaColor trailColour{0};                   // ordinary glyphs
  MediaColor headColour{0};                    // hot and flickering glyphs
  UINTSclaleTo<float> transparency{0, -0.01f, 1.0f};  // the result is the brightness factor
  KQ_ImageFileLink glyphLink{40, L"tessaly.dll"};     // a vertical strip of glyph cells

protected:
  void DrawBackground(PictureDraw picture) override;

private:
  // A new, empty grid over the current picture size from the grid settings.
  void RebuildGrid();
  // One quad per grid cell.
  void ResizeBatch();
  // The picture's luminance in background mode 1; no map in mode 0.
  void BuildLuminanceMap();
  // Steps the grid and writes every quad of the batch for this frame.
  void UpdateGlyphs(float t);

  KQ_QuadBatch batch_;
  std::unique_ptr<GlyphGridCursor> cursor_;
  GlyphGridSettings gridSettings_{16, 20, 10, 0, 0, 1};
  std::vector<float> luminance_;  // empty: no map
  float frameTime_ = 0;           // the time of the last FrameMove
};
