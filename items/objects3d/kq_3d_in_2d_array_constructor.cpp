#include "items/objects3d/kq_3d_in_2d_array_constructor.h"

#include "document/class_registry.h"
#include "document/setting_stream.h"
#include "items/objects3d/kq_3d_in_2d_array.h"

void KQ_3D_in_2D_array_Constructor::Write(KQ_IOF_Virtual& stream) const {
  WriteSectionHeader(stream, L"KQ_3D_in_2D_array_Constructor", 1);
  WriteSettings(stream, objectName, count);
  stream.WriteEmbeddedData(meshData);
  stream.WriteEmbeddedData(textureData);
  WriteSettings(stream, motion.size, motion.speed, motion.sway, motion.swayChangeRate, motion.spin,
                static_cast<unsigned int>(motion.heading.angle));
  KQ_ABObj_Constructor::Write(stream);
}

void KQ_3D_in_2D_array_Constructor::Read(KQ_IOF_Virtual& stream, unsigned long) {
  ReadSettings(stream, objectName, count);
  stream.ReadEmbeddedData(meshData);
  stream.ReadEmbeddedData(textureData);
  ReadSettings(stream, motion.size, motion.speed, motion.sway, motion.swayChangeRate, motion.spin);
  unsigned int angle = static_cast<unsigned int>(motion.heading.angle);
  stream.ReadUInt(angle);
  motion.SetHeading(static_cast<int32_t>(angle));
  ReadConstructorSection(stream);
}

std::unique_ptr<KQ_ABObj> KQ_3D_in_2D_array_Constructor::CreateObject() {
  return std::make_unique<KQ_3D_in_2D_array>(
      std::make_unique<KQ_3D_in_2D_array_Constructor>(*this));
}

REGISTER_DOCUMENT_CLASS(KQ_3D_in_2D_array_Constructor);
