#include "tools/fxc/fx2_writer.h"

#include <d3dx9effect.h>
#include <windows.h>

#include <string>

namespace fxc {
namespace {

constexpr uint32_t EffectTag = 0xFEFF0901;
constexpr uint32_t NoIndex = 0xFFFFFFFF;
// Resource usages: 0 = the bytes are the state's object (shader code), 1 = they name the
// parameter the state takes its value from.
constexpr uint32_t UsageObject = 0;
constexpr uint32_t UsageParameterName = 1;

class Blob {
public:
  uint32_t Size() const { return static_cast<uint32_t>(bytes_.size()); }

  uint32_t Put(uint32_t value) {
    uint32_t offset = Size();
    PutBytes(&value, sizeof value);
    return offset;
  }

  // A byte count, the bytes and zeros up to the next multiple of four.
  uint32_t PutSized(const void* data, uint32_t size) {
    uint32_t offset = Put(size);
    PutBytes(data, size);
    while (bytes_.size() % 4) bytes_.push_back(0);
    return offset;
  }

  void PutBytes(const void* data, size_t size) {
    const uint8_t* begin = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), begin, begin + size);
  }

  void Append(const Blob& other) { PutBytes(other.bytes_.data(), other.bytes_.size()); }

  std::vector<uint8_t>& Bytes() { return bytes_; }

private:
  std::vector<uint8_t> bytes_;
};

struct Shape {
  D3DXPARAMETER_TYPE type;
  D3DXPARAMETER_CLASS parameterClass;
  int rows;
  int columns;
};

Shape NumericShape(D3DXPARAMETER_TYPE type, int rows, int columns) {
  D3DXPARAMETER_CLASS parameterClass = rows > 1      ? D3DXPC_MATRIX_ROWS
                                       : columns > 1 ? D3DXPC_VECTOR
                                                     : D3DXPC_SCALAR;
  return {type, parameterClass, rows, columns};
}

Shape ObjectShape(D3DXPARAMETER_TYPE type) {
  return {type, D3DXPC_OBJECT, 0, 0};
}

Shape ShapeOf(ValueKind kind, int rows, int columns) {
  switch (kind) {
    case ValueKind::Float:
      return NumericShape(D3DXPT_FLOAT, rows, columns);
    case ValueKind::Texture:
      return ObjectShape(D3DXPT_TEXTURE);
    case ValueKind::Sampler:
      return ObjectShape(D3DXPT_SAMPLER);
    case ValueKind::String:
      return ObjectShape(D3DXPT_STRING);
    case ValueKind::VertexShader:
      return ObjectShape(D3DXPT_VERTEXSHADER);
    case ValueKind::PixelShader:
      return ObjectShape(D3DXPT_PIXELSHADER);
  }
  return ObjectShape(D3DXPT_VOID);
}

// Where a state sits, for the resource records that complete it.
struct StateLocation {
  uint32_t technique;  // NoIndex for a sampler state of a parameter
  uint32_t index;      // the pass, or the parameter
  uint32_t state;
};

class EffectWriter {
public:
  explicit EffectWriter(const EffectModel& effect) : effect_(effect) {
    data_.Put(0);  // offset 0 is the empty name
  }

  std::vector<uint8_t> Write() {
    // The reference compiler counts a shader for every pass and every shader parameter.
    uint32_t shaderCount = 0;
    for (uint32_t i = 0; i < effect_.parameters.size(); ++i) {
      WriteParameter(effect_.parameters[i], i);
      if (!effect_.parameters[i].shader.bytecode.empty()) ++shaderCount;
    }
    for (uint32_t i = 0; i < effect_.techniques.size(); ++i) {
      WriteTechnique(effect_.techniques[i], i);
      shaderCount += static_cast<uint32_t>(effect_.techniques[i].passes.size());
    }

    Blob file;
    file.Put(EffectTag);
    file.Put(data_.Size());
    file.Append(data_);
    file.Put(static_cast<uint32_t>(effect_.parameters.size()));
    file.Put(static_cast<uint32_t>(effect_.techniques.size()));
    file.Put(shaderCount);
    file.Put(nextObject_);
    file.Append(definitions_);
    file.Put(listedObjectCount_);
    file.Put(resourceCount_);
    file.Append(objects_);
    file.Append(resources_);
    return std::move(file.Bytes());
  }

private:
  uint32_t Name(const std::string& name) {
    return data_.PutSized(name.c_str(), static_cast<uint32_t>(name.size() + 1));
  }

  uint32_t TypeDescription(const Shape& shape, uint32_t nameOffset) {
    uint32_t offset = data_.Put(shape.type);
    data_.Put(shape.parameterClass);
    data_.Put(nameOffset);
    data_.Put(0);  // semantic
    data_.Put(0);  // array elements
    if (shape.parameterClass == D3DXPC_VECTOR) {
      data_.Put(shape.columns);
      data_.Put(shape.rows);
    } else if (shape.parameterClass != D3DXPC_OBJECT) {
      data_.Put(shape.rows);
      data_.Put(shape.columns);
    }
    return offset;
  }

  uint32_t Floats(const std::vector<float>& values) {
    uint32_t offset = data_.Size();
    data_.PutBytes(values.data(), values.size() * sizeof(float));
    return offset;
  }

  // A new object id. Objects that parameters and annotations hold are listed with their
  // bytes (none for a texture); those of states get theirs from a resource record.
  uint32_t ListedObject(const void* bytes, uint32_t size) {
    uint32_t id = nextObject_++;
    objects_.Put(id);
    objects_.PutSized(bytes, size);
    ++listedObjectCount_;
    return id;
  }
  uint32_t StateObject() { return nextObject_++; }

  void Resource(const StateLocation& location, uint32_t usage, const void* bytes, uint32_t size) {
    resources_.Put(location.technique);
    resources_.Put(location.index);
    resources_.Put(NoIndex);  // array element
    resources_.Put(location.state);
    resources_.Put(usage);
    resources_.PutSized(bytes, size);
    ++resourceCount_;
  }

  void WriteAnnotations(const std::vector<Annotation>& annotations) {
    for (const Annotation& annotation : annotations) {
      definitions_.Put(
          TypeDescription(ShapeOf(annotation.kind, 1, annotation.columns), Name(annotation.name)));
      definitions_.Put(
          annotation.kind == ValueKind::String
              ? data_.Put(ListedObject(annotation.text.c_str(),
                                       static_cast<uint32_t>(annotation.text.size() + 1)))
              : Floats(annotation.floats));
    }
  }

  void WriteParameter(const Parameter& parameter, uint32_t index) {
    uint32_t type = TypeDescription(ShapeOf(parameter.kind, parameter.rows, parameter.columns),
                                    Name(parameter.name));
    uint32_t value = 0;
    switch (parameter.kind) {
      case ValueKind::Float:
        value = Floats(parameter.initialValue);
        break;
      case ValueKind::Texture:
      case ValueKind::String:
        value = data_.Put(ListedObject(nullptr, 0));
        break;
      case ValueKind::VertexShader:
      case ValueKind::PixelShader:
        value = data_.Put(ListedObject(parameter.shader.bytecode.data(),
                                       static_cast<uint32_t>(parameter.shader.bytecode.size())));
        break;
      case ValueKind::Sampler:
        value = SamplerValue(parameter, index);
        break;
    }
    definitions_.Put(type);
    definitions_.Put(value);
    definitions_.Put(0);  // flags
    definitions_.Put(static_cast<uint32_t>(parameter.annotations.size()));
    WriteAnnotations(parameter.annotations);
  }

  // A sampler's value is its state list, kept in the data area.
  uint32_t SamplerValue(const Parameter& sampler, uint32_t parameterIndex) {
    Blob states;
    for (uint32_t i = 0; i < sampler.samplerStates.size(); ++i)
      WriteState(states, sampler.samplerStates[i], {NoIndex, parameterIndex, i});
    uint32_t offset = data_.Put(static_cast<uint32_t>(sampler.samplerStates.size()));
    data_.Append(states);
    return offset;
  }

  void WriteTechnique(const Technique& technique, uint32_t techniqueIndex) {
    definitions_.Put(Name(technique.name));
    definitions_.Put(static_cast<uint32_t>(technique.annotations.size()));
    definitions_.Put(static_cast<uint32_t>(technique.passes.size()));
    WriteAnnotations(technique.annotations);
    for (uint32_t p = 0; p < technique.passes.size(); ++p) {
      const Pass& pass = technique.passes[p];
      definitions_.Put(Name(pass.name));
      definitions_.Put(static_cast<uint32_t>(pass.annotations.size()));
      definitions_.Put(static_cast<uint32_t>(pass.states.size()));
      WriteAnnotations(pass.annotations);
      for (uint32_t s = 0; s < pass.states.size(); ++s)
        WriteState(definitions_, pass.states[s], {techniqueIndex, p, s});
    }
  }

  // One state record: operation, index, type description and value. States that take a
  // parameter or carry a shader are completed by a resource record.
  void WriteState(Blob& out, const StateAssignment& state, const StateLocation& location) {
    uint32_t type = 0;
    uint32_t value = 0;
    switch (state.kind) {
      case AssignmentKind::Bool:
      case AssignmentKind::Int:
        type = TypeDescription(
            NumericShape(state.kind == AssignmentKind::Bool ? D3DXPT_BOOL : D3DXPT_INT, 1, 1), 0);
        value = data_.Put(state.value);
        break;
      case AssignmentKind::TextureReference:
        type = TypeDescription(ObjectShape(D3DXPT_TEXTURE), 0);
        value = data_.Put(StateObject());
        ParameterNameResource(location, state.reference);
        break;
      case AssignmentKind::VertexShader:
      case AssignmentKind::PixelShader:
        type = TypeDescription(
            ObjectShape(state.kind == AssignmentKind::VertexShader ? D3DXPT_VERTEXSHADER
                                                                   : D3DXPT_PIXELSHADER),
            0);
        value = data_.Put(StateObject());
        if (state.reference.empty())
          Resource(location, UsageObject, state.shader.bytecode.data(),
                   static_cast<uint32_t>(state.shader.bytecode.size()));
        else
          ParameterNameResource(location, state.reference);
        break;
    }
    out.Put(state.operation);
    out.Put(0);  // the index of an indexed state: none of ours is indexed
    out.Put(type);
    out.Put(value);
  }

  void ParameterNameResource(const StateLocation& location, const std::string& name) {
    Resource(location, UsageParameterName, name.c_str(), static_cast<uint32_t>(name.size() + 1));
  }

  const EffectModel& effect_;
  Blob data_;
  Blob definitions_;
  Blob objects_;
  Blob resources_;
  uint32_t nextObject_ = 1;  // id 0 stands for "no object"
  uint32_t listedObjectCount_ = 0;
  uint32_t resourceCount_ = 0;
};

}  // namespace

std::vector<uint8_t> WriteEffectBinary(const EffectModel& effect) {
  return EffectWriter(effect).Write();
}

}  // namespace fxc
