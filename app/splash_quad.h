// The loading picture: the executable's "DDS" image resource as a centred square of two thirds
// of the back buffer's height, drawn pre-transformed. (The scene's TexturedQuad does the same
// for the show; this small copy lets the player draw its splash before the show exists.)
#pragma once

#include <windows.h>
#include <d3d9.h>

class SplashQuad {
public:
  SplashQuad() = default;
  SplashQuad(const SplashQuad&) = delete;
  SplashQuad& operator=(const SplashQuad&) = delete;
  ~SplashQuad() { Release(); }

  // Loads image resource `id` of type "DDS" and lays the square out on a back buffer of
  // `width` x `height`; false when the resource or the texture is missing.
  bool LoadCenteredPicture(IDirect3DDevice9* device, int id, UINT width, UINT height);
  // Draws the square with linear filtering (inside BeginScene / EndScene).
  void Draw(IDirect3DDevice9* device) const;
  void Release();

  struct Vertex {
    float x, y, z, rhw;
    D3DCOLOR color;
    float u, v;
  };
  const Vertex* Vertices() const { return vertices_; }

private:
  IDirect3DTexture9* texture_ = nullptr;
  Vertex vertices_[4] = {};
};
