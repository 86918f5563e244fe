// Stand-ins for device objects in tests without a device: reference-counted like the real ones
// (each deletes itself with its last reference), counted while alive, and doing nothing else.
#pragma once

#include <d3dx9.h>

#include <string>
#include <vector>

namespace doc_res_testing {

template <class Interface>
class FakeCom : public Interface {
public:
  FakeCom() { ++live_; }
  STDMETHOD(QueryInterface)(REFIID, void** out) override {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHOD_(ULONG, AddRef)() override { return ++references_; }
  STDMETHOD_(ULONG, Release)() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // How many objects of this kind are alive: 0 once every reference was given back.
  static int Live() { return live_; }

protected:
  virtual ~FakeCom() { --live_; }

private:
  ULONG references_ = 1;
  static inline int live_ = 0;
};

// Methods nothing in the manager calls.
#define FAKE_METHOD(type, name, params) \
  STDMETHOD_(type, name) params override { return type(); }

class FakeTexture final : public FakeCom<IDirect3DTexture9> {
public:
  explicit FakeTexture(std::string source) : source(std::move(source)) {}

  FAKE_METHOD(HRESULT, GetDevice, (IDirect3DDevice9**))
  FAKE_METHOD(HRESULT, SetPrivateData, (REFGUID, const void*, DWORD, DWORD))
  FAKE_METHOD(HRESULT, GetPrivateData, (REFGUID, void*, DWORD*))
  FAKE_METHOD(HRESULT, FreePrivateData, (REFGUID))
  FAKE_METHOD(DWORD, SetPriority, (DWORD))
  FAKE_METHOD(DWORD, GetPriority, ())
  FAKE_METHOD(void, PreLoad, ())
  FAKE_METHOD(D3DRESOURCETYPE, GetType, ())
  FAKE_METHOD(DWORD, SetLOD, (DWORD))
  FAKE_METHOD(DWORD, GetLOD, ())
  FAKE_METHOD(DWORD, GetLevelCount, ())
  FAKE_METHOD(HRESULT, SetAutoGenFilterType, (D3DTEXTUREFILTERTYPE))
  FAKE_METHOD(D3DTEXTUREFILTERTYPE, GetAutoGenFilterType, ())
  FAKE_METHOD(void, GenerateMipSubLevels, ())
  FAKE_METHOD(HRESULT, GetLevelDesc, (UINT, D3DSURFACE_DESC*))
  FAKE_METHOD(HRESULT, GetSurfaceLevel, (UINT, IDirect3DSurface9**))
  FAKE_METHOD(HRESULT, LockRect, (UINT, D3DLOCKED_RECT*, const RECT*, DWORD))
  FAKE_METHOD(HRESULT, UnlockRect, (UINT))
  FAKE_METHOD(HRESULT, AddDirtyRect, (const RECT*))

  const std::string source;  // what it was made from
};

// An effect that notes the device-loss calls it gets in a shared log, as "lost <name>" and
// "reset <name>".
class FakeEffect final : public FakeCom<ID3DXEffect> {
public:
  FakeEffect(std::string name, std::vector<std::string>& log)
      : name(std::move(name)), log_(log) {}

  STDMETHOD(OnLostDevice)() override {
    log_.push_back("lost " + name);
    return S_OK;
  }
  STDMETHOD(OnResetDevice)() override {
    log_.push_back("reset " + name);
    return S_OK;
  }

  FAKE_METHOD(HRESULT, GetDesc, (D3DXEFFECT_DESC*))
  FAKE_METHOD(HRESULT, GetParameterDesc, (D3DXHANDLE, D3DXPARAMETER_DESC*))
  FAKE_METHOD(HRESULT, GetTechniqueDesc, (D3DXHANDLE, D3DXTECHNIQUE_DESC*))
  FAKE_METHOD(HRESULT, GetPassDesc, (D3DXHANDLE, D3DXPASS_DESC*))
  FAKE_METHOD(HRESULT, GetFunctionDesc, (D3DXHANDLE, D3DXFUNCTION_DESC*))
  FAKE_METHOD(D3DXHANDLE, GetParameter, (D3DXHANDLE, UINT))
  FAKE_METHOD(D3DXHANDLE, GetParameterByName, (D3DXHANDLE, const char*))
  FAKE_METHOD(D3DXHANDLE, GetParameterBySemantic, (D3DXHANDLE, const char*))
  FAKE_METHOD(D3DXHANDLE, GetParameterElement, (D3DXHANDLE, UINT))
  FAKE_METHOD(D3DXHANDLE, GetTechnique, (UINT))
  FAKE_METHOD(D3DXHANDLE, GetTechniqueByName, (const char*))
  FAKE_METHOD(D3DXHANDLE, GetPass, (D3DXHANDLE, UINT))
  FAKE_METHOD(D3DXHANDLE, GetPassByName, (D3DXHANDLE, const char*))
  FAKE_METHOD(D3DXHANDLE, GetFunction, (UINT))
  FAKE_METHOD(D3DXHANDLE, GetFunctionByName, (const char*))
  FAKE_METHOD(D3DXHANDLE, GetAnnotation, (D3DXHANDLE, UINT))
  FAKE_METHOD(D3DXHANDLE, GetAnnotationByName, (D3DXHANDLE, const char*))
  FAKE_METHOD(HRESULT, SetValue, (D3DXHANDLE, const void*, UINT))
  FAKE_METHOD(HRESULT, GetValue, (D3DXHANDLE, void*, UINT))
  FAKE_METHOD(HRESULT, SetBool, (D3DXHANDLE, WINBOOL))
  FAKE_METHOD(HRESULT, GetBool, (D3DXHANDLE, WINBOOL*))
  FAKE_METHOD(HRESULT, SetBoolArray, (D3DXHANDLE, const WINBOOL*, UINT))
  FAKE_METHOD(HRESULT, GetBoolArray, (D3DXHANDLE, WINBOOL*, UINT))
  FAKE_METHOD(HRESULT, SetInt, (D3DXHANDLE, INT))
  FAKE_METHOD(HRESULT, GetInt, (D3DXHANDLE, INT*))
  FAKE_METHOD(HRESULT, SetIntArray, (D3DXHANDLE, const INT*, UINT))
  FAKE_METHOD(HRESULT, GetIntArray, (D3DXHANDLE, INT*, UINT))
  FAKE_METHOD(HRESULT, SetFloat, (D3DXHANDLE, FLOAT))
  FAKE_METHOD(HRESULT, GetFloat, (D3DXHANDLE, FLOAT*))
  FAKE_METHOD(HRESULT, SetFloatArray, (D3DXHANDLE, const FLOAT*, UINT))
  FAKE_METHOD(HRESULT, GetFloatArray, (D3DXHANDLE, FLOAT*, UINT))
  FAKE_METHOD(HRESULT, SetVector, (D3DXHANDLE, const D3DXVECTOR4*))
  FAKE_METHOD(HRESULT, GetVector, (D3DXHANDLE, D3DXVECTOR4*))
  FAKE_METHOD(HRESULT, SetVectorArray, (D3DXHANDLE, const D3DXVECTOR4*, UINT))
  FAKE_METHOD(HRESULT, GetVectorArray, (D3DXHANDLE, D3DXVECTOR4*, UINT))
  FAKE_METHOD(HRESULT, SetMatrix, (D3DXHANDLE, const D3DXMATRIX*))
  FAKE_METHOD(HRESULT, GetMatrix, (D3DXHANDLE, D3DXMATRIX*))
  FAKE_METHOD(HRESULT, SetMatrixArray, (D3DXHANDLE, const D3DXMATRIX*, UINT))
  FAKE_METHOD(HRESULT, GetMatrixArray, (D3DXHANDLE, D3DXMATRIX*, UINT))
  FAKE_METHOD(HRESULT, SetMatrixPointerArray, (D3DXHANDLE, const D3DXMATRIX**, UINT))
  FAKE_METHOD(HRESULT, GetMatrixPointerArray, (D3DXHANDLE, D3DXMATRIX**, UINT))
  FAKE_METHOD(HRESULT, SetMatrixTranspose, (D3DXHANDLE, const D3DXMATRIX*))
  FAKE_METHOD(HRESULT, GetMatrixTranspose, (D3DXHANDLE, D3DXMATRIX*))
  FAKE_METHOD(HRESULT, SetMatrixTransposeArray, (D3DXHANDLE, const D3DXMATRIX*, UINT))
  FAKE_METHOD(HRESULT, GetMatrixTransposeArray, (D3DXHANDLE, D3DXMATRIX*, UINT))
  FAKE_METHOD(HRESULT, SetMatrixTransposePointerArray, (D3DXHANDLE, const D3DXMATRIX**, UINT))
  FAKE_METHOD(HRESULT, GetMatrixTransposePointerArray, (D3DXHANDLE, D3DXMATRIX**, UINT))
  FAKE_METHOD(HRESULT, SetString, (D3DXHANDLE, const char*))
  FAKE_METHOD(HRESULT, GetString, (D3DXHANDLE, const char**))
  FAKE_METHOD(HRESULT, SetTexture, (D3DXHANDLE, IDirect3DBaseTexture9*))
  FAKE_METHOD(HRESULT, GetTexture, (D3DXHANDLE, IDirect3DBaseTexture9**))
  FAKE_METHOD(HRESULT, GetPixelShader, (D3DXHANDLE, IDirect3DPixelShader9**))
  FAKE_METHOD(HRESULT, GetVertexShader, (D3DXHANDLE, IDirect3DVertexShader9**))
  FAKE_METHOD(HRESULT, SetArrayRange, (D3DXHANDLE, UINT, UINT))
  FAKE_METHOD(HRESULT, GetPool, (ID3DXEffectPool**))
  FAKE_METHOD(HRESULT, SetTechnique, (D3DXHANDLE))
  FAKE_METHOD(D3DXHANDLE, GetCurrentTechnique, ())
  FAKE_METHOD(HRESULT, ValidateTechnique, (D3DXHANDLE))
  FAKE_METHOD(HRESULT, FindNextValidTechnique, (D3DXHANDLE, D3DXHANDLE*))
  FAKE_METHOD(WINBOOL, IsParameterUsed, (D3DXHANDLE, D3DXHANDLE))
  FAKE_METHOD(HRESULT, Begin, (UINT*, DWORD))
  FAKE_METHOD(HRESULT, BeginPass, (UINT))
  FAKE_METHOD(HRESULT, CommitChanges, ())
  FAKE_METHOD(HRESULT, EndPass, ())
  FAKE_METHOD(HRESULT, End, ())
  FAKE_METHOD(HRESULT, GetDevice, (IDirect3DDevice9**))
  FAKE_METHOD(HRESULT, SetStateManager, (ID3DXEffectStateManager*))
  FAKE_METHOD(HRESULT, GetStateManager, (ID3DXEffectStateManager**))
  FAKE_METHOD(HRESULT, BeginParameterBlock, ())
  FAKE_METHOD(D3DXHANDLE, EndParameterBlock, ())
  FAKE_METHOD(HRESULT, ApplyParameterBlock, (D3DXHANDLE))
  FAKE_METHOD(HRESULT, DeleteParameterBlock, (D3DXHANDLE))
  FAKE_METHOD(HRESULT, CloneEffect, (IDirect3DDevice9*, ID3DXEffect**))
  FAKE_METHOD(HRESULT, SetRawValue, (D3DXHANDLE, const void*, UINT, UINT))

  const std::string name;

private:
  std::vector<std::string>& log_;
};

#undef FAKE_METHOD

// The reference count of a COM object, left unchanged.
inline ULONG References(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

}  // namespace doc_res_testing
