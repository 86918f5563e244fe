#include "tools/pack_images/png_writer.h"

#include <wincodec.h>

#include <vector>

#include "render/com_references.h"

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

// Encodes into `stream`, a WIC stream or any other IStream.
HRESULT Encode(IWICImagingFactory* factory, const Image& image, bool withAlpha,
               const GUID& container, IStream* stream) {
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  IPropertyBag2* options = nullptr;

  const std::vector<uint8_t> pixels = PackedPixels(image, withAlpha);
  const UINT stride = static_cast<UINT>(image.Width()) * (withAlpha ? 4 : 3);
  WICPixelFormatGUID format =
      withAlpha ? GUID_WICPixelFormat32bppBGRA : GUID_WICPixelFormat24bppBGR;

  HRESULT hr = factory->CreateEncoder(container, nullptr, &encoder);
  if (SUCCEEDED(hr)) hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
  if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(&frame, &options);
  if (SUCCEEDED(hr) && IsEqualGUID(container, GUID_ContainerFormatJpeg)) {
    // Generated pictures are smooth: a high quality keeps their gradients free of blocks.
    PROPBAG2 option = {};
    option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT quality;
    VariantInit(&quality);
    quality.vt = VT_R4;
    quality.fltVal = 0.92f;
    hr = options->Write(1, &option, &quality);
  }
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
  return hr;
}

HRESULT CreateFactory(IWICImagingFactory** factory) {
  return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                          IID_PPV_ARGS(factory));
}

}  // namespace

HRESULT WritePng(const Image& image, bool withAlpha, const std::wstring& path) {
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  HRESULT hr = CreateFactory(&factory);
  if (SUCCEEDED(hr)) hr = factory->CreateStream(&stream);
  if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
  if (SUCCEEDED(hr)) hr = Encode(factory, image, withAlpha, GUID_ContainerFormatPng, stream);
  ReleaseAndNull(&stream);
  ReleaseAndNull(&factory);
  return hr;
}

HRESULT EncodeImage(const Image& image, bool withAlpha, ImageFileFormat format,
                    std::vector<uint8_t>& bytes) {
  IWICImagingFactory* factory = nullptr;
  IStream* stream = nullptr;
  const GUID& container =
      format == ImageFileFormat::Png ? GUID_ContainerFormatPng : GUID_ContainerFormatJpeg;
  HRESULT hr = CreateFactory(&factory);
  if (SUCCEEDED(hr)) hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  if (SUCCEEDED(hr)) hr = Encode(factory, image, withAlpha && format == ImageFileFormat::Png,
                                 container, stream);
  HGLOBAL memory = nullptr;
  if (SUCCEEDED(hr)) hr = GetHGlobalFromStream(stream, &memory);
  STATSTG stat = {};
  if (SUCCEEDED(hr)) hr = stream->Stat(&stat, STATFLAG_NONAME);
  if (SUCCEEDED(hr)) {
    const auto* data = static_cast<const uint8_t*>(GlobalLock(memory));
    bytes.assign(data, data + stat.cbSize.QuadPart);
    GlobalUnlock(memory);
  }
  ReleaseAndNull(&stream);
  ReleaseAndNull(&factory);
  return hr;
}

}  // namespace pack_images
