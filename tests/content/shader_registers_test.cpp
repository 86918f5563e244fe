#include "tests/content/shader_registers.h"

#include <gtest/gtest.h>

namespace {

using Names = std::set<std::string>;

TEST(ShaderRegisters, ReadsTheRegistersOfEachInstructionAndSkipsCommentsAndValues) {
  const DWORD ps20[] = {
      0xFFFF0200,                                          // ps_2_0
      0x05000051, 0xA00F0001, 0x3F800000, 0, 0, 0xA0E40007,  // def c1, 1, 0, 0, (bits of c7)
      0x0002FFFE, 0x0000FFFF, 0xA0E40009,                  // a comment holding an end and c9
      0x0200001F, 0x90000000, 0xA00F0800,                  // dcl_2d s0
      0x03000042, 0x800F0000, 0xB0E40000, 0xA0E40800,      // texld r0, t0, s0
      0x04000004, 0x800F0000, 0x80E40000, 0xA0E40001, 0xA0E40003,  // mad r0, r0, c1, c3
      0x02000001, 0x800F0800, 0x80E40000,                  // mov oC0, r0
      0x0000FFFF,
  };
  pack_testing::ShaderRegisters registers = pack_testing::ReadShaderRegisters(ps20);
  EXPECT_EQ(Names({"c1", "c3", "s0"}), registers.read);
  EXPECT_EQ(Names({"c1"}), registers.defined);
  EXPECT_TRUE(registers.bound.empty());  // no constant table
}

}  // namespace
