#pragma once
// Offsets of the editor's text remembered as places that move with later edits, so that
// a place named by the latest run is still found after the user has typed.

#include <QTextCursor>

#include <optional>
#include <span>
#include <vector>

class QTextDocument;

class TextAnchors {
  public:
    // Forgets the old anchors and anchors these document offsets (ascending) of the text.
    void Reset(QTextDocument& document, std::span<const int> ascendingOffsets);
    void Clear();
    // The document offset where the place anchored for `offset` stands now; nothing for
    // an offset that was not anchored.
    std::optional<int> Find(int offset) const;

  private:
    std::vector<int> offsets_;
    std::vector<QTextCursor> cursors_;
};
