// Writes the built-in show's music into a folder at build time.
// Usage: make_show_music FOLDER
#include <cstdio>
#include <string>

#include "tools/show_music/show_pieces.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_show_music FOLDER\n");
    return 2;
  }
  for (const ShowPiece& piece : ShowPieces) {
    const std::string path = std::string(argv[1]) + "/" + piece.fileName;
    const std::vector<uint8_t> wav = SynthesisePiece(piece);
    FILE* file = std::fopen(path.c_str(), "wb");
    const bool written = file && std::fwrite(wav.data(), 1, wav.size(), file) == wav.size();
    if (file && std::fclose(file) != 0) return 1;
    if (!written) {
      std::fprintf(stderr, "make_show_music: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
