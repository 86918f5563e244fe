// Every scene item is a pair: the settings object, which the document stores and which knows how
// to make the run-time object, and the run-time object, which owns its own copy of the settings,
// holds the geometry and per-frame state, and is what a slide updates and draws.
//
// The settings object's section is the last of every item's chain of sections.
#pragma once

#include <memory>

#include "document/kq_iof_item.h"

class KQ_ABObj;

class KQ_ABObj_Constructor : public KQ_IOF_Item {
public:
  static constexpr unsigned long CurrentVersion = 1;

  // Writes this level's section; subclasses write theirs first and end with this one.
  void Write(KQ_IOF_Virtual& stream) const override;
  // Reads this level's whole section, header included.
  void ReadConstructorSection(KQ_IOF_Virtual& stream);

  // The run-time object around a heap copy of these settings; called once per item before the
  // slide's first frame.
  virtual std::unique_ptr<KQ_ABObj> CreateObject() = 0;
  // The item's slide has just become current again.
  virtual void Restart() {}

  kq_string objectName;  // stored with the item; nothing else reads it
};
