// Helpers for the tests that run compiled effects on the test device: one holder that releases
// what the tests create, effect creation from bytes, small textures and a screen quad drawn
// through every pass of a technique.
#pragma once

#include <d3dx9.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>
#include "render/com_holder.h"

namespace effect_testing {

// What a parameter of an effect must look like.
struct ParameterShape {
  const char* name;
  D3DXPARAMETER_CLASS parameterClass;
  D3DXPARAMETER_TYPE type;
  UINT rows;     // float parameters only
  UINT columns;  // float parameters only
};

// Expects `effect` to offer the parameter with that name, class, type and (for floats) shape.
void ExpectParameter(ID3DXEffect* effect, const ParameterShape& shape);

// D3DXCreateEffect on a copy of the bytes that ends at an inaccessible page, so a binary whose
// sizes send the reader past its end fails the test. Returns null when creation fails.
ID3DXEffect* CreateEffect(IDirect3DDevice9* device, const std::vector<uint8_t>& bytes,
                          HRESULT* result = nullptr);

// Compiles effect source and creates the effect (null, with a test failure, when either fails).
ID3DXEffect* CompileAndCreate(IDirect3DDevice9* device, const std::string& source);

// The bytes of a file, empty when it cannot be read.
std::vector<uint8_t> ReadFileBytes(const std::string& path);

// A managed A8R8G8B8 texture, `width` x `height` texels given row by row.
IDirect3DTexture9* CreateTexture(IDirect3DDevice9* device, UINT width, UINT height,
                                 const std::vector<D3DCOLOR>& texels);

// A pre-transformed quad over the whole back buffer with a vertex colour and texture
// coordinates (u0, v0) at the top left to (u1, v1) at the bottom right.
struct ScreenQuad {
  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
  D3DCOLOR color = 0xFFFFFFFF;
  float z = 0;
};

// Draws the quad through every pass of `technique` (FAILs the test when the effect refuses).
void DrawWithEffect(IDirect3DDevice9* device, ID3DXEffect* effect, const char* technique,
                    const ScreenQuad& quad = ScreenQuad());

// Draws positions with one uv pair (x, y, z, u, v, as the picture quad and the fire grid have)
// as a triangle strip, leaving the transform to the effect's vertex shader.
void DrawPositionsWithEffect(IDirect3DDevice9* device, ID3DXEffect* effect, const char* technique,
                             const std::vector<float>& xyzuv);

}  // namespace effect_testing
