#include "document/image_file_link.h"

KQ_ImageFileLink::UndoImage::UndoImage(KQ_ImageFileLink& owner) : history_(owner.Key()) {
  Attach(owner);
}

void KQ_ImageFileLink::UndoImage::OnChanged(MediaControl*) {
  if (KQ_ImageFileLink* owner = Watched())
    if (owner->Key() != history_.Snapshot()) history_.TakeSnapshot(owner->Key());
}

void KQ_ImageFileLink::UndoImage::Undo() {
  if (history_.StepOlder()) Apply();
}

void KQ_ImageFileLink::UndoImage::Redo() {
  if (history_.StepNewer()) Apply();
}

void KQ_ImageFileLink::UndoImage::Apply() {
  KQ_ImageFileLink* owner = Watched();
  if (!owner) return;
  owner->Store(history_.Snapshot());
  owner->NotifyObservers(this);
}

KQ_ImageFileLink& KQ_ImageFileLink::operator=(const KQ_FileLink3& link) {
  KQ_FileLink3::operator=(link);
  undo_.OnChanged(nullptr);
  return *this;
}
