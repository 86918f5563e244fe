#include "tools/fxc/constant_table.h"

#include <d3dx9shader.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace fxc {
namespace {

constexpr char Creator[] = "fxc_tool";

struct Entry {
  const Parameter* parameter;
  const RegisterBinding* binding;
};

void PutBytes(std::vector<uint8_t>& out, size_t at, const void* data, size_t size) {
  std::memcpy(out.data() + at, data, size);
}

D3DXSHADER_TYPEINFO TypeInfo(const Parameter& parameter) {
  D3DXSHADER_TYPEINFO type = {};
  if (parameter.kind == ValueKind::Sampler) {
    type.Class = D3DXPC_OBJECT;
    type.Type = D3DXPT_SAMPLER;
  } else {
    type.Class = parameter.rows > 1      ? D3DXPC_MATRIX_ROWS
                 : parameter.columns > 1 ? D3DXPC_VECTOR
                                         : D3DXPC_SCALAR;
    type.Type = D3DXPT_FLOAT;
  }
  type.Rows = static_cast<WORD>(parameter.rows);
  type.Columns = static_cast<WORD>(parameter.columns);
  type.Elements = 1;
  return type;
}

// The table's bytes: header, constant infos, type infos, then the strings they point to.
std::vector<uint8_t> BuildTable(const std::vector<Entry>& entries, DWORD version,
                                const std::string& target) {
  const size_t count = entries.size();
  const size_t infos = sizeof(D3DXSHADER_CONSTANTTABLE);
  const size_t types = infos + count * sizeof(D3DXSHADER_CONSTANTINFO);
  size_t strings = types + count * sizeof(D3DXSHADER_TYPEINFO);

  std::vector<uint8_t> table(strings);
  auto addString = [&table](const std::string& text) {
    DWORD offset = static_cast<DWORD>(table.size());
    table.insert(table.end(), text.c_str(), text.c_str() + text.size() + 1);
    return offset;
  };

  D3DXSHADER_CONSTANTTABLE header = {};
  header.Size = sizeof header;
  header.Creator = addString(Creator);
  header.Version = version;
  header.Constants = static_cast<DWORD>(count);
  header.ConstantInfo = static_cast<DWORD>(infos);
  header.Target = addString(target);
  PutBytes(table, 0, &header, sizeof header);

  for (size_t i = 0; i < count; ++i) {
    const Entry& entry = entries[i];
    D3DXSHADER_CONSTANTINFO info = {};
    info.Name = addString(entry.parameter->name);
    info.RegisterSet = static_cast<WORD>(entry.binding->sampler ? D3DXRS_SAMPLER : D3DXRS_FLOAT4);
    info.RegisterIndex = static_cast<WORD>(entry.binding->index);
    info.RegisterCount = static_cast<WORD>(entry.binding->count);
    info.TypeInfo = static_cast<DWORD>(types + i * sizeof(D3DXSHADER_TYPEINFO));
    PutBytes(table, infos + i * sizeof info, &info, sizeof info);
    D3DXSHADER_TYPEINFO type = TypeInfo(*entry.parameter);
    PutBytes(table, info.TypeInfo, &type, sizeof type);
  }
  table.resize((table.size() + 3) / 4 * 4, 0);
  return table;
}

void Attach(const EffectModel& effect, ShaderCode& shader) {
  DWORD version;
  std::memcpy(&version, shader.bytecode.data(), sizeof version);
  const ShaderStage stage = (version >> 16) == 0xFFFE ? ShaderStage::Vertex : ShaderStage::Pixel;
  const std::string target = std::string(stage == ShaderStage::Vertex ? "vs_" : "ps_") +
                             std::to_string((version >> 8) & 0xFF) + "_" +
                             std::to_string(version & 0xFF);

  std::vector<Entry> entries;
  for (const Parameter& parameter : effect.parameters)
    for (const RegisterBinding& binding : parameter.registers)
      if (binding.stage == stage) entries.push_back({&parameter, &binding});

  std::vector<uint8_t> table = BuildTable(entries, version, target);
  const DWORD comment[2] = {D3DSHADER_COMMENT(static_cast<DWORD>(1 + table.size() / 4)),
                            MAKEFOURCC('C', 'T', 'A', 'B')};
  // The comment goes right after the version token.
  std::vector<uint8_t> block(reinterpret_cast<const uint8_t*>(comment),
                             reinterpret_cast<const uint8_t*>(comment) + sizeof comment);
  block.insert(block.end(), table.begin(), table.end());
  shader.bytecode.insert(shader.bytecode.begin() + sizeof version, block.begin(), block.end());
}

}  // namespace

void AttachConstantTables(EffectModel& effect) {
  ForEachShader(effect, [&effect](ShaderCode& shader) { Attach(effect, shader); });
}

}  // namespace fxc
