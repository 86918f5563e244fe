// Objects whose class the document chooses are created by class name. Each such class has a
// static reader object, registered before the entry function runs in one of three registries
// (lights, slides, items); a class registers itself in one line beside its own code:
//
//   REGISTER_DOCUMENT_CLASS(KQ_FishConstructor);                  // the items registry
//   REGISTER_DOCUMENT_FAMILY_CLASS(KQ_FlameLight, KQ_2D_Light);   // the KQ_2D_Light family
//
// A registered class X offers a default constructor and
// `void Read(KQ_IOF_Virtual& stream, unsigned long version)`, which reads X's own fields (the
// version is the one just read from X's section header) and then its base sections.
#pragma once

#include <map>
#include <memory>
#include <type_traits>

#include "document/kq_iof_item.h"

class IOF_Virtual_Reader;

// Class name (compared unit by unit, case-sensitive) to its reader.
using ClassRegistry = std::map<kq_string, const IOF_Virtual_Reader*>;

// A new X read from the stream: what every reader of a class does.
template <class X>
std::unique_ptr<KQ_IOF_Item> CreateAndReadObject(KQ_IOF_Virtual& stream, unsigned long version) {
  auto object = std::make_unique<X>();
  object->Read(stream, version);
  return object;
}

class IOF_Virtual_Reader {
public:
  virtual ~IOF_Virtual_Reader() = default;
  // A new object of the reader's class, read from the stream.
  virtual std::unique_ptr<KQ_IOF_Item> CreateAndRead(KQ_IOF_Virtual& stream,
                                                     unsigned long version) const = 0;
  // The items registry.
  static ClassRegistry& GetReaderRegistry() {
    static ClassRegistry registry;
    return registry;
  }
};

template <class X>
class IOF_Virtual_ReaderT : public IOF_Virtual_Reader {
public:
  std::unique_ptr<KQ_IOF_Item> CreateAndRead(KQ_IOF_Virtual& stream,
                                             unsigned long version) const override {
    return CreateAndReadObject<X>(stream, version);
  }
};

// The reader of a family of classes rooted at Base, which owns that family's registry.
template <class Base>
class IOF_Virtual_ReaderII : public IOF_Virtual_Reader {
public:
  static ClassRegistry& GetReaderRegistry() {
    static ClassRegistry registry;
    return registry;
  }
};

template <class X, class Base>
class IOF_Virtual_ReaderT_II : public IOF_Virtual_ReaderII<Base> {
  static_assert(std::is_base_of_v<Base, X>, "a family reader creates members of its family");

public:
  std::unique_ptr<KQ_IOF_Item> CreateAndRead(KQ_IOF_Virtual& stream,
                                             unsigned long version) const override {
    return CreateAndReadObject<X>(stream, version);
  }
};

// Puts one static reader into its registry; a name registered twice keeps its first reader.
template <class Reader>
struct ReaderRegistration {
  explicit ReaderRegistration(const wchar_t* class_name) {
    static const Reader reader;
    Reader::GetReaderRegistry().emplace(class_name, &reader);
  }
};

#define REGISTER_DOCUMENT_CLASS(X) \
  static const ReaderRegistration<IOF_Virtual_ReaderT<X>> X##_registration(L## #X)
#define REGISTER_DOCUMENT_FAMILY_CLASS(X, Base) \
  static const ReaderRegistration<IOF_Virtual_ReaderT_II<X, Base>> X##_registration(L## #X)

// Reads a class name and a version, and creates and reads the object through the registry's
// reader. A name the registry does not hold fails the stream and gives no object.
std::unique_ptr<KQ_IOF_Item> ReadByClassName(KQ_IOF_Virtual& stream,
                                             const ClassRegistry& registry);

// The same through the items registry.
std::unique_ptr<KQ_IOF_Item> ReadObjectByClassName(KQ_IOF_Virtual& stream);

// The same through Base's family registry, typed as Base.
template <class Base>
std::unique_ptr<Base> ReadFamilyByClassName(KQ_IOF_Virtual& stream) {
  std::unique_ptr<KQ_IOF_Item> object =
      ReadByClassName(stream, IOF_Virtual_ReaderII<Base>::GetReaderRegistry());
  // Only IOF_Virtual_ReaderT_II<X, Base> readers, which create Base objects, are in there.
  return std::unique_ptr<Base>(static_cast<Base*>(object.release()));
}
