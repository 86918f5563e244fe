#include "tests/tools/fxc/effect_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/guarded_bytes.h"
#include "tools/fxc/effect_compiler.h"
#include "tools/fxc/fx_error.h"

namespace effect_testing {
namespace {

struct TransformedVertex {
  float x, y, z, rhw;
  D3DCOLOR color;
  float u, v;
};
constexpr DWORD TransformedFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

template <class Draw>
void DrawPasses(IDirect3DDevice9* device, ID3DXEffect* effect, const char* technique, Draw draw) {
  ASSERT_EQ(D3D_OK, effect->SetTechnique(technique)) << technique;
  ASSERT_EQ(D3D_OK, device->BeginScene());
  UINT passes = 0;
  ASSERT_EQ(D3D_OK, effect->Begin(&passes, 0));
  for (UINT pass = 0; pass < passes; ++pass) {
    EXPECT_EQ(D3D_OK, effect->BeginPass(pass));
    draw();
    EXPECT_EQ(D3D_OK, effect->EndPass());
  }
  EXPECT_EQ(D3D_OK, effect->End());
  EXPECT_EQ(D3D_OK, device->EndScene());
}

}  // namespace

void ExpectParameter(ID3DXEffect* effect, const ParameterShape& shape) {
  D3DXHANDLE handle = effect->GetParameterByName(nullptr, shape.name);
  ASSERT_TRUE(handle) << "no parameter " << shape.name;
  D3DXPARAMETER_DESC parameter;
  ASSERT_EQ(D3D_OK, effect->GetParameterDesc(handle, &parameter));
  EXPECT_STREQ(shape.name, parameter.Name);
  EXPECT_EQ(shape.parameterClass, parameter.Class) << shape.name;
  EXPECT_EQ(shape.type, parameter.Type) << shape.name;
  if (shape.parameterClass != D3DXPC_OBJECT) {
    EXPECT_EQ(shape.rows, parameter.Rows) << shape.name;
    EXPECT_EQ(shape.columns, parameter.Columns) << shape.name;
  }
}

ID3DXEffect* CreateEffect(IDirect3DDevice9* device, const std::vector<uint8_t>& bytes,
                          HRESULT* result) {
  testing_support::GuardedBytes guarded(bytes);
  ID3DXEffect* effect = nullptr;
  HRESULT hr = D3DXCreateEffect(device, guarded.Data(), static_cast<UINT>(guarded.Size()), nullptr,
                                nullptr, 0, nullptr, &effect, nullptr);
  if (result) *result = hr;
  return SUCCEEDED(hr) ? effect : nullptr;
}

ID3DXEffect* CompileAndCreate(IDirect3DDevice9* device, const std::string& source) {
  std::vector<uint8_t> bytes;
  try {
    bytes = fxc::CompileEffect(source);
  } catch (const fxc::FxError& error) {
    ADD_FAILURE() << "line " << error.Line() << ": " << error.what();
    return nullptr;
  }
  HRESULT hr = S_OK;
  ID3DXEffect* effect = CreateEffect(device, bytes, &hr);
  if (!effect) ADD_FAILURE() << "D3DXCreateEffect failed: 0x" << std::hex << hr;
  return effect;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

IDirect3DTexture9* CreateTexture(IDirect3DDevice9* device, UINT width, UINT height,
                                 const std::vector<D3DCOLOR>& texels) {
  IDirect3DTexture9* texture = nullptr;
  if (FAILED(device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture,
                                   nullptr)))
    return nullptr;
  D3DLOCKED_RECT locked;
  if (SUCCEEDED(texture->LockRect(0, &locked, nullptr, 0))) {
    for (UINT y = 0; y < height; ++y) {
      D3DCOLOR* row =
          reinterpret_cast<D3DCOLOR*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
      for (UINT x = 0; x < width; ++x) row[x] = texels[y * width + x];
    }
    texture->UnlockRect(0);
  }
  return texture;
}

void DrawWithEffect(IDirect3DDevice9* device, ID3DXEffect* effect, const char* technique,
                    const ScreenQuad& quad) {
  D3DSURFACE_DESC target;
  IDirect3DSurface9* surface = nullptr;
  device->GetRenderTarget(0, &surface);
  surface->GetDesc(&target);
  surface->Release();
  // Pixel centres lie on whole coordinates: the quad's edges go half a pixel outside them.
  const float right = static_cast<float>(target.Width) - 0.5f;
  const float bottom = static_cast<float>(target.Height) - 0.5f;
  const TransformedVertex strip[4] = {
      {-0.5f, bottom, quad.z, 1, quad.color, quad.u0, quad.v1},
      {-0.5f, -0.5f, quad.z, 1, quad.color, quad.u0, quad.v0},
      {right, bottom, quad.z, 1, quad.color, quad.u1, quad.v1},
      {right, -0.5f, quad.z, 1, quad.color, quad.u1, quad.v0},
  };
  device->SetVertexShader(nullptr);
  device->SetFVF(TransformedFvf);
  DrawPasses(device, effect, technique, [&] {
    EXPECT_EQ(D3D_OK, device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, strip, sizeof strip[0]));
  });
}

void DrawPositionsWithEffect(IDirect3DDevice9* device, ID3DXEffect* effect, const char* technique,
                             const std::vector<float>& xyzuv) {
  device->SetVertexShader(nullptr);
  device->SetFVF(D3DFVF_XYZ | D3DFVF_TEX1);
  const UINT triangles = static_cast<UINT>(xyzuv.size() / 5 - 2);
  DrawPasses(device, effect, technique, [&] {
    EXPECT_EQ(D3D_OK, device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, triangles, xyzuv.data(),
                                              5 * sizeof(float)));
  });
}

}  // namespace effect_testing
