// Test stand-ins for the two things a full-screen effect talks to: an effect that records every
// call made on it, and a light that offers a picture size and a scene texture and counts the
// draws it is asked for. Neither needs a device.
#pragma once

#include <string>
#include <vector>

#include "items/effect_calls.h"

namespace fx_testing {

struct EffectCall {
  enum Kind { Technique, Float, FloatArray, Texture, Matrix, DrawQuad, DrawIndexed, DrawSprites };

  Kind kind;
  std::string name;            // parameter or technique; empty for draws
  std::vector<float> values;   // a float, a float array, or a matrix's 16 entries
  IDirect3DBaseTexture9* texture = nullptr;
  const void* mesh = nullptr;  // what a draw was given
};

class RecordingEffect final : public EffectCalls {
public:
  void SetTechnique(const char* name) override;
  void SetFloat(const char* name, float value) override;
  void SetFloatArray(const char* name, const float* values, UINT count) override;
  void SetTexture(const char* name, IDirect3DBaseTexture9* texture) override;
  void SetMatrix(const char* name, const D3DXMATRIX& matrix) override;
  void DrawQuad(KQ_ABRender& light, const KQ_SimpleMesh<DX_V::PT>& quad) override;
  void DrawIndexed(KQ_ABRender& light, const KQ_IndexedMesh<DX_V::PT>& mesh) override;
  void DrawSprites(KQ_ABRender& light, const KQ_IndexedMesh<DX_V::PCT>& sprites) override;

  // The call that last set `name`, or null when none did.
  const EffectCall* Last(const std::string& name) const;
  // The values last set for `name`; empty (and a test failure) when it was never set.
  std::vector<float> Values(const std::string& name) const;
  IDirect3DBaseTexture9* Texture(const std::string& name) const;
  // The technique set last; empty when none.
  std::string Technique() const;
  int Draws() const;

  std::vector<EffectCall> calls;
};

class TestLight final : public KQ_ABRender {
public:
  TestLight(UINT width = 1024, UINT height = 768) : width(width), height(height) {}

  void Write(KQ_IOF_Virtual&) const override {}
  void PushTargetSize(const PingPongTarget&, int) override {}
  void PopTargetSize() override {}
  void DrawIndexedWithEffect(const KQ_IndexedMesh<DX_V::PT>& mesh, ID3DXEffect* effect) override;
  void DrawQuadWithEffect(const KQ_SimpleMesh<DX_V::PT>& mesh, ID3DXEffect* effect) override;
  void DrawSpritesWithEffect(const KQ_IndexedMesh<DX_V::PCT>& mesh, ID3DXEffect* effect) override;
  void DrawMeshPart(const MeshPart&) override {}
  void DrawSprites(const SpriteBatch&) override {}
  void DrawMeshFrames(const TexturedIndexedMesh<DX_V::PNT>&) override {}
  IDirect3DTexture9* const* GetSceneTexture() const override { return &sceneTexture; }
  const TexturedQuadNode& GetPictureQuad() const override { return pictureQuad; }
  UINT GetPictureWidth() const override { return width; }
  UINT GetPictureHeight() const override { return height; }

  UINT width, height;
  IDirect3DTexture9* sceneTexture = nullptr;  // not owned
  TexturedQuadNode pictureQuad;
  struct Draw {
    const void* mesh;
    ID3DXEffect* effect;
  };
  std::vector<Draw> draws;  // through the effect services, in order
};

}  // namespace fx_testing
