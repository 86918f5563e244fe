// A slide's background and, at the same time, the renderer its items draw through. The plain
// light shows the slide's picture placed by the picture position, moved by its drifting camera,
// with the letterbox bars of Fit; the effect lights derive from it and override what differs.
//
// The light also owns the slide's scene capture: while the light or an item needs the picture
// (and what was drawn over it) as a texture, drawing goes into the light's render-target pair and
// the captured texture is handed on. The pair lives in the default pool, so it is gone between
// InvalidateDeviceObjects and the next RestoreDeviceObjects; a capture asked for in that gap does
// not happen, and items that wanted the scene get the picture instead.
//
// Over a light's life the slide calls: the reader; InitDeviceObjects and Resize(1, 1) at set-up;
// SetPicturePosition; at every start of its slide Resize to the back buffer, the camera's
// restart and RestoreDeviceObjects; every frame FrameMove, then (between BeginScene and EndScene)
// BeginSceneCapture when needed, RenderBackground, the items, RenderEffect and DrawFadeQuad;
// InvalidateDeviceObjects before every device reset.
#pragma once

#include <utility>
#include <vector>

#include "document/image_file_link.h"
#include "document/owned_control_list.h"
#include "items/kq_ab_render.h"
#include "render/color_screen_quad.h"
#include "render/ping_pong_target.h"
#include "render/textured_quad_node.h"
#include "show/kqm_camera.h"
#include "show/ref_holder.h"

class KQ_ABObj;

enum class PictureDraw { Shown, Hidden };

class KQ_2D_Light : public KQ_ABRender {
public:
  static constexpr unsigned long CurrentVersion = 3;

  KQ_2D_Light();
  KQ_2D_Light(const KQ_2D_Light&) = delete;
  KQ_2D_Light& operator=(const KQ_2D_Light&) = delete;
  ~KQ_2D_Light() override;

  // The fields after the section header, as far as `version` has them: the picture link from
  // version 2, the camera from version 3.
  void Read(KQ_IOF_Virtual& stream, unsigned long version);
  void Write(KQ_IOF_Virtual& stream) const override;

  // The drawing services of the items (kq_2d_light_services.cpp).
  void PushTargetSize(const PingPongTarget& target, int position) override;
  void PopTargetSize() override;
  void DrawIndexedWithEffect(const KQ_IndexedMesh<DX_V::PT>& mesh, ID3DXEffect* effect) override;
  void DrawQuadWithEffect(const KQ_SimpleMesh<DX_V::PT>& mesh, ID3DXEffect* effect) override;
  void DrawSpritesWithEffect(const KQ_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect) override;
  void DrawMeshPart(const MeshPart& part) override;
  void DrawSprites(const SpriteBatch& sprites) override;
  void DrawMeshFrames(const TexturedIndexedMesh<DX_V::PNT>& mesh) override;
  IDirect3DTexture9* const* GetSceneTexture() const override { return &sceneTexture_; }
  const TexturedQuadNode& GetPictureQuad() const override { return pictureQuad_; }
  UINT GetPictureWidth() const override { return pictureQuad_.entry.width; }
  UINT GetPictureHeight() const override { return pictureQuad_.entry.height; }

  // The picture quad's buffer, the picture, and the current device's letterbox bars.
  virtual void InitDeviceObjects();
  // The fixed-function state every light and item draws on, for the whole slide; the resource
  // manager's effects back from a reset; a new capture pair of the back buffer's size.
  virtual void RestoreDeviceObjects();
  // Lets go of everything that would not survive a device reset.
  virtual void InvalidateDeviceObjects();
  // The light's pass over the finished scene: here, the letterbox bars.
  virtual void RenderEffect();
  // The picture, through the picture view and the camera. Hidden, when the first item drawn
  // covers it (KQ_ABObj::HidesPicture): its draw is set up and left out.
  void RenderBackground(PictureDraw picture = PictureDraw::Shown) { DrawBackground(picture); }
  // The camera moves to show time t.
  virtual void FrameMove(float t);
  // The light draws at width x height from now on; the picture view and the item mapping follow.
  virtual void Resize(int width, int height);
  virtual void SetPicturePosition(int position);
  // The show's fade quad over everything. Alpha blending stays on afterwards.
  virtual void DrawFadeQuad(const ColorScreenQuad& quad);
  // From here on drawing goes into the capture pair, with the picture stretched over it and the
  // camera left out. Nothing happens while the pair is gone (after a reset).
  virtual void BeginSceneCapture();
  // Back to the saved target and layout (and, with `clear`, that target cleared to opaque
  // black); the pair's current texture holds the captured scene.
  virtual PingPongTarget& EndSceneCapture(bool clear);
  virtual bool NeedsSceneCapture() const { return false; }
  // The picture link was changed (not by reading): the new picture, laid out again.
  virtual void OnPictureChanged();

  // The scene drawn so far becomes what the next item reads: with `moreReadersFollow` the capture
  // goes on in the pair's other texture, otherwise it ends on the target it began on.
  void HandOnCapturedScene(bool moreReadersFollow);
  // Makes the picture the scene texture again.
  void ShowPictureAsScene();

  bool IsCapturing() const { return capturing_; }
  int TargetWidth() const { return targetWidth_; }
  int TargetHeight() const { return targetHeight_; }

  KQ_ImageFileLink pictureLink{5, L"tessaly.dll"};
  KQM_Camera camera;

protected:
  // What RenderBackground draws; the effect lights draw their own background around the picture.
  virtual void DrawBackground(PictureDraw picture);
  // The first frame of the picture link's textures becomes the picture (none when nothing
  // resolves: the picture is then 0 x 0 and the background is black).
  void ReloadPicture();
  // What every light's restore ends with: the shared effects back from the lost state its
  // invalidate put them in, and a new capture pair of the back buffer's size.
  void RestoreSharedDeviceObjects();
  // A coloured quad blended in its vertex colours and alphas: stage 0 reads the diffuse colour
  // for the draw and the texture again after it. Alpha blending stays on. A transparent quad
  // (the fade while a slide is displayed) sets the same state and draws nothing: its draw would
  // change no pixel.
  template <class Quad>
  static void DrawInVertexColours(const Quad& quad) {
    IDirect3DDevice9* device = CurrentDevice;
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_DIFFUSE);
    quad.Bind();
    if (!quad.Transparent()) quad.Draw();
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
  }

  // The KQ_2D_Light section that ends every effect light's chain, header included.
  friend bool ReadBaseSection(KQ_IOF_Virtual& stream, KQ_2D_Light& light);

  TexturedQuadNode pictureQuad_;
  IDirect3DTexture9* sceneTexture_ = nullptr;  // one reference; what items read as the scene
  int captureRestorePosition_ = 1;             // picture position when a capture ends
  PingPongTarget captureTarget_;
  bool capturing_ = false;                     // drawing goes into captureTarget_

private:
  struct SavedTarget {
    int width, height, position;
  };

  OwnedControlList<KQ_2D_Light> bindings_{this};
  int targetWidth_ = 0;
  int targetHeight_ = 0;
  std::vector<SavedTarget> savedTargets_;  // pushed by PushTargetSize
};

// Reads a KQ_2D_Light section, header included, into `light`; false when the stream failed.
bool ReadBaseSection(KQ_IOF_Virtual& stream, KQ_2D_Light& light);

// Draws the items from the last to the first through `light`. `capturesLeft` counts the items
// that need the captured scene plus one when the light itself does; the slide began the capture
// when it is above 0. Each such item sees what was drawn before it: drawing then goes on into the
// pair's other texture, or, for the last of them (unless the light needs the scene), onto the
// target the capture began on.
void DrawItems(KQ_2D_Light& light, const std::vector<RefHolder<KQ_ABObj>>& items,
               int capturesLeft);
