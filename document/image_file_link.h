// A link to a picture (one image, an animated image or a sprite sheet). Like a MediaParamT it
// carries its own undo history as its first control, with keys as entries.
#pragma once

#include "document/file_link.h"
#include "document/media_control_t.h"
#include "document/undo_history.h"

class KQ_ImageFileLink : public KQ_FileLink3 {
public:
  class UndoImage final : public MediaControlT<KQ_ImageFileLink> {
  public:
    explicit UndoImage(KQ_ImageFileLink& owner);

    void OnChanged(MediaControl* source) override;

    void Record() { history_.PushSnapshot(); }
    void Undo();
    void Redo();

    const FileLinkKey& Snapshot() const { return history_.Snapshot(); }
    size_t HistorySize() const { return history_.Size(); }

  private:
    // Unlike a setting's undo, a step always sets the key and tells the other controls.
    void Apply();

    UndoHistory<FileLinkKey> history_;
  };

  using KQ_FileLink3::KQ_FileLink3;
  KQ_ImageFileLink() = default;
  explicit KQ_ImageFileLink(const KQ_FileLink3& link) : KQ_FileLink3(link) {}
  KQ_ImageFileLink(const KQ_ImageFileLink& link) : KQ_FileLink3(link) {}

  // Assignment changes the key and the undo snapshot; no other control is told.
  KQ_ImageFileLink& operator=(const KQ_FileLink3& link);
  KQ_ImageFileLink& operator=(const KQ_ImageFileLink& link) {
    return *this = static_cast<const KQ_FileLink3&>(link);
  }

  UndoImage& UndoControl() { return undo_; }
  const UndoImage& UndoControl() const { return undo_; }

private:
  UndoImage undo_{*this};
};
