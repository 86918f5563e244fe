// The drawing services of the light. Each sets the transforms and the fixed-function states its
// kind of geometry needs and relies on what the light's RestoreDeviceObjects set for the rest
// (source blend, sampling, depth, lighting); it leaves behind what its last step sets. The
// effect services begin their effects with flags 0, so the effect framework saves and restores
// the device state around them.
#include "show/kq_2d_light.h"

#include "render/current_device.h"
#include "render/picture_layout.h"

namespace {

template <class Draw>
void DrawEveryPass(ID3DXEffect* effect, Draw draw) {
  if (!effect) return;
  UINT passes = 0;
  if (FAILED(effect->Begin(&passes, 0))) return;
  for (UINT pass = 0; pass < passes; ++pass) {
    effect->BeginPass(pass);
    draw();
    effect->EndPass();
  }
  effect->End();
}

void Place(const KQ_Frame& frame) { CurrentPictureView().SetWorld(frame.world); }

}  // namespace

void KQ_2D_Light::PushTargetSize(const PingPongTarget& target, int position) {
  savedTargets_.push_back({targetWidth_, targetHeight_, CurrentPictureView().position});
  targetWidth_ = target.width;
  targetHeight_ = target.height;
  CurrentPictureView().Setup(targetWidth_, targetHeight_, pictureQuad_.entry, position, true);
}

void KQ_2D_Light::PopTargetSize() {
  if (savedTargets_.empty()) return;
  const SavedTarget saved = savedTargets_.back();
  savedTargets_.pop_back();
  targetWidth_ = saved.width;
  targetHeight_ = saved.height;
  CurrentPictureView().Setup(targetWidth_, targetHeight_, pictureQuad_.entry, saved.position,
                             false);
}

void KQ_2D_Light::DrawIndexedWithEffect(const KQ_IndexedMesh<DX_V::PT>& mesh,
                                        ID3DXEffect* effect) {
  mesh.Bind();
  DrawEveryPass(effect, [&] { mesh.DrawIndexed(); });
}

void KQ_2D_Light::DrawQuadWithEffect(const KQ_SimpleMesh<DX_V::PT>& mesh, ID3DXEffect* effect) {
  Place(mesh.frame);
  mesh.Bind();
  DrawEveryPass(effect, [&] { mesh.Draw(); });
}

void KQ_2D_Light::DrawSpritesWithEffect(const KQ_IndexedMesh<DX_V::PCT>& mesh,
                                        ID3DXEffect* effect) {
  Place(mesh.frame);
  mesh.Bind();
  DrawEveryPass(effect, [&] { mesh.DrawIndexed(); });
}

void KQ_2D_Light::DrawMeshPart(const MeshPart& part) {
  IDirect3DDevice9* device = CurrentDevice;
  const bool blended = part.flag != 0;
  CurrentPictureView().SetBaseMatrices();
  if (blended) device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetTexture(0, part.texture);
  part.Bind();
  // A blended part is drawn a second time with the opposite culling, so its other faces show.
  for (int round = 0; round < (blended ? 2 : 1); ++round) {
    for (const KQ_Frame* frame : part.frames) {
      Place(*frame);
      const bool counterClockwise = (frame->windingFlag != 0) == (round == 0);
      device->SetRenderState(D3DRS_CULLMODE, counterClockwise ? D3DCULL_CCW : D3DCULL_CW);
      part.DrawIndexed();
    }
  }
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
}

void KQ_2D_Light::DrawSprites(const SpriteBatch& sprites) {
  IDirect3DDevice9* device = CurrentDevice;
  CurrentPictureView().SetBaseMatrices();
  Place(sprites.geometry.frame);
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
  device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
  device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
  device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
  // With a second texture the first pass lays the sprites down and the second adds the glow.
  const bool firstPassAdds = sprites.additive && !sprites.secondTexture;
  device->SetRenderState(D3DRS_DESTBLEND, firstPassAdds ? D3DBLEND_ONE : D3DBLEND_INVSRCALPHA);
  device->SetTexture(0, sprites.frameTexture);
  sprites.geometry.Bind();
  sprites.geometry.DrawIndexed();
  if (sprites.secondTexture) {
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device->SetTexture(0, sprites.secondTexture);
    if (sprites.additive) device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    sprites.geometry.DrawIndexed();
  }
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
}

void KQ_2D_Light::DrawMeshFrames(const TexturedIndexedMesh<DX_V::PNT>& mesh) {
  IDirect3DDevice9* device = CurrentDevice;
  CurrentPictureView().SetBaseMatrices();
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_SELECTARG1);
  device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
  device->SetTexture(0, mesh.texture);
  mesh.Bind();
  for (const KQ_Frame* child : mesh.frame.children) {
    Place(*child);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    mesh.DrawIndexed();
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CW);
    mesh.DrawIndexed();
  }
  device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
}
