// Writes the built-in demo show's document: paints its pictures, stores them as JPEG files
// inside the document and writes the document's bytes to the file named on the command line.
#include <objbase.h>
#include <windows.h>

#include <cstdio>

#include "document/kq_iof_w.h"
#include "tools/demo_show/demo_show.h"
#include "tools/file_output/write_bytes.h"
#include "tools/pack_images/png_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_demo_show OUTPUT_FILE\n");
    return 2;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return 1;
  std::vector<std::vector<uint8_t>> pictures;
  for (const demo_show::DemoSlide& slide : demo_show::DemoSlides()) {
    pictures.emplace_back();
    const HRESULT hr = pack_images::EncodeImage(
        slide.paint(), false, pack_images::ImageFileFormat::Jpeg, pictures.back());
    if (FAILED(hr)) {
      std::fprintf(stderr, "write_demo_show: %ls: error 0x%08lX\n", slide.pictureFile,
                   static_cast<unsigned long>(hr));
      return 1;
    }
  }
  CoUninitialize();

  KQ_IOF_W document;
  demo_show::WriteDemoShow(document, pictures);
  if (document.Failed()) return 1;
  return WriteBytes(argv[1], document.Bytes()) ? 0 : 1;
}
