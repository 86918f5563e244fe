#include "tools/pack_images/png_writer.h"

#include <wincodec.h>

#include <vector>

#include "scene/com_references.h"

namespace pack_images {
namespace {

std::vector<uint8_t> PackedPixels(const Image& image, bool withAlpha) {
  std::vector<uint8_t> bgra = ToBgra8(image);
  if (withAlpha) return bgra;
  std::vector<uint8_t> bgr;
  bgr.reserve(bgra.size() / 4 * 3);
  for (size_t i = 0; i < bgra.size(); i += 4)
    bgr.insert(bgr.end(), {bgra[i], bgra[i + 1], bgra[i + 2]});
  return bgr;
}

}  // namespace

HRESULT WritePng(const Image& image, bool withAlpha, const std::wstring& path) {
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  IPropertyBag2* options = nullptr;

  const std::vector<uint8_t> pixels = PackedPixels(image, withAlpha);
  const UINT stride = static_cast<UINT>(image.Width()) * (withAlpha ? 4 : 3);
  WICPixelFormatGUID format =
      withAlpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;

  HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&factory));
  if (SUCCEEDED(hr)) hr = factory->CreateStream(&stream);
  if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
  if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
  if (SUCCEEDED(hr)) hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
  if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(&frame, &options);
  if (SUCCEEDED(hr)) hr = frame->Initialize(options);
  if (SUCCEEDED(hr)) hr = frame->SetSize(image.Width(), image.Height());
  if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
  // The encoder may offer a different format; writing ours as if it were that would garble it.
  if (SUCCEEDED(hr) &&
      !IsEqualGUID(format, withAlpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR))
    hr = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
  if (SUCCEEDED(hr))
    hr = frame->WritePixels(image.Height(), stride, static_cast<UINT>(pixels.size()),
                            const_cast<BYTE*>(pixels.data()));
  if (SUCCEEDED(hr)) hr = frame->Commit();
  if (SUCCEEDED(hr)) hr = encoder->Commit();

  ReleaseAndNull(&options);
  ReleaseAndNull(&frame);
  ReleaseAndNull(&encoder);
  ReleaseAndNull(&stream);
  ReleaseAndNull(&factory);
  return hr;
}

}  // namespace pack_images
