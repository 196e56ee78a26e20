#pragma once
// Find, replace and go to line, carried out on the editor for the find bar and the
// Edit menu's commands.

#include <QString>
#include <QTextEdit>

#include "app/editor/find_text.h"

class CCalcView;

struct FindQuery {
    QString needle;
    Qt::CaseSensitivity sensitivity = Qt::CaseInsensitive;
};

class EditorSearch {
  public:
    explicit EditorSearch(CCalcView& view) : view_(view) {}

    // Selects the next match after the selection (or the previous one before it).
    bool Find(const FindQuery& query, FindDirection direction);
    // Replaces the selected match, if the selection is one, then selects the next match.
    bool ReplaceCurrent(const FindQuery& query, const QString& replacement);
    // One undoable edit; -1 when the result would pass the input limit (nothing changes).
    int ReplaceAll(const FindQuery& query, const QString& replacement);
    // Puts the caret at the start of the line (from 1; clamped to the text's lines).
    void GoToLine(int line);

    // The matches on screen, as marks.
    QList<QTextEdit::ExtraSelection> VisibleMatches(const FindQuery& query,
                                                    const QTextCharFormat& format) const;

  private:
    CCalcView& view_;
};
