// The built saver program's image header: each monitor plays its own copy of the show, so the
// 32-bit process is linked to use the whole 4 GB a 64-bit Windows gives it, not 2 GB. (A 64-bit
// build, which the tests run on where the machine cannot run 32-bit programs, is large-address
// aware by default.)
#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "tests/app/saver_paths.h"

namespace {

// The machine the saver is built for is the one this test is built for.
#ifdef _WIN64
constexpr WORD BuiltMachine = IMAGE_FILE_MACHINE_AMD64;
#else
constexpr WORD BuiltMachine = IMAGE_FILE_MACHINE_I386;
#endif

TEST(SaverImage, IsAProgramOfTheBuiltMachineThatIsLargeAddressAware) {
  std::ifstream file(BRINDLEWICK_SAVER_PATH, std::ios::binary);
  ASSERT_TRUE(file) << BRINDLEWICK_SAVER_PATH;
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                std::istreambuf_iterator<char>());
  ASSERT_GE(bytes.size(), sizeof(IMAGE_DOS_HEADER));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  ASSERT_EQ(IMAGE_DOS_SIGNATURE, dos->e_magic);
  // The signature and file header come first in both the 32-bit and the 64-bit header.
  ASSERT_GE(bytes.size(), dos->e_lfanew + sizeof(IMAGE_NT_HEADERS32));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
  ASSERT_EQ(static_cast<DWORD>(IMAGE_NT_SIGNATURE), nt->Signature);
  EXPECT_EQ(BuiltMachine, nt->FileHeader.Machine);
  EXPECT_TRUE(nt->FileHeader.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE);
}

}  // namespace
