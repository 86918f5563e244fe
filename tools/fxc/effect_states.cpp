#include "tools/fxc/effect_states.h"

#include <d3d9.h>

#include <cctype>

namespace fxc {
namespace {

const std::vector<NamedValue> BoolNames = {{"FALSE", 0}, {"TRUE", 1}};

const std::vector<NamedValue> BlendNames = {
    {"Zero", D3DBLEND_ZERO},           {"One", D3DBLEND_ONE},
    {"SrcColor", D3DBLEND_SRCCOLOR},   {"InvSrcColor", D3DBLEND_INVSRCCOLOR},
    {"SrcAlpha", D3DBLEND_SRCALPHA},   {"InvSrcAlpha", D3DBLEND_INVSRCALPHA},
    {"DestAlpha", D3DBLEND_DESTALPHA}, {"InvDestAlpha", D3DBLEND_INVDESTALPHA},
    {"DestColor", D3DBLEND_DESTCOLOR}, {"InvDestColor", D3DBLEND_INVDESTCOLOR},
};

const std::vector<NamedValue> BlendOpNames = {
    {"Add", D3DBLENDOP_ADD},
    {"Subtract", D3DBLENDOP_SUBTRACT},
    {"RevSubtract", D3DBLENDOP_REVSUBTRACT},
    {"Min", D3DBLENDOP_MIN},
    {"Max", D3DBLENDOP_MAX},
};

const std::vector<NamedValue> CullNames = {
    {"None", D3DCULL_NONE}, {"CW", D3DCULL_CW}, {"CCW", D3DCULL_CCW}};

const std::vector<NamedValue> AddressNames = {
    {"Wrap", D3DTADDRESS_WRAP},
    {"Mirror", D3DTADDRESS_MIRROR},
    {"Clamp", D3DTADDRESS_CLAMP},
    {"Border", D3DTADDRESS_BORDER},
    {"MirrorOnce", D3DTADDRESS_MIRRORONCE},
};

const std::vector<NamedValue> FilterNames = {
    {"None", D3DTEXF_NONE},
    {"Point", D3DTEXF_POINT},
    {"Linear", D3DTEXF_LINEAR},
    {"Anisotropic", D3DTEXF_ANISOTROPIC},
};

// Sampler states follow "Texture" in the runtime's table in D3DSAMPLERSTATETYPE order.
constexpr uint32_t TextureOperation = 0xA4;

const StateDefinition States[] = {
    {"ZEnable", 0x00, StatePlace::Pass, AssignmentKind::Bool, &BoolNames},
    {"ZWriteEnable", 0x03, StatePlace::Pass, AssignmentKind::Bool, &BoolNames},
    {"SrcBlend", 0x06, StatePlace::Pass, AssignmentKind::Int, &BlendNames},
    {"DestBlend", 0x07, StatePlace::Pass, AssignmentKind::Int, &BlendNames},
    {"CullMode", 0x08, StatePlace::Pass, AssignmentKind::Int, &CullNames},
    {"AlphaBlendEnable", 0x0D, StatePlace::Pass, AssignmentKind::Bool, &BoolNames},
    {"Lighting", 0x30, StatePlace::Pass, AssignmentKind::Bool, &BoolNames},
    {"BlendOp", 0x4B, StatePlace::Pass, AssignmentKind::Int, &BlendOpNames},
    {"VertexShader", 0x92, StatePlace::Pass, AssignmentKind::VertexShader, nullptr},
    {"PixelShader", 0x93, StatePlace::Pass, AssignmentKind::PixelShader, nullptr},
    {"Texture", TextureOperation, StatePlace::Sampler, AssignmentKind::TextureReference, nullptr},
    {"AddressU", TextureOperation + D3DSAMP_ADDRESSU, StatePlace::Sampler, AssignmentKind::Int,
     &AddressNames},
    {"AddressV", TextureOperation + D3DSAMP_ADDRESSV, StatePlace::Sampler, AssignmentKind::Int,
     &AddressNames},
    {"MagFilter", TextureOperation + D3DSAMP_MAGFILTER, StatePlace::Sampler, AssignmentKind::Int,
     &FilterNames},
    {"MinFilter", TextureOperation + D3DSAMP_MINFILTER, StatePlace::Sampler, AssignmentKind::Int,
     &FilterNames},
    {"MipFilter", TextureOperation + D3DSAMP_MIPFILTER, StatePlace::Sampler, AssignmentKind::Int,
     &FilterNames},
};

bool EqualsIgnoringCase(const char* a, const std::string& b) {
  size_t i = 0;
  for (; a[i] != '\0' && i < b.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return a[i] == '\0' && i == b.size();
}

}  // namespace

const StateDefinition* FindState(const std::string& name) {
  for (const StateDefinition& state : States)
    if (EqualsIgnoringCase(state.name, name)) return &state;
  return nullptr;
}

bool FindNamedValue(const std::vector<NamedValue>& names, const std::string& word,
                    uint32_t& value) {
  for (const NamedValue& named : names) {
    if (EqualsIgnoringCase(named.name, word)) {
      value = named.value;
      return true;
    }
  }
  return false;
}

std::string ListNames(const std::vector<NamedValue>& names) {
  std::string list;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " or " : ", ";
    list += names[i].name;
  }
  return list;
}

}  // namespace fxc
