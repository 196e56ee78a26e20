#pragma once
// The editor's extra selections, composed in one place: each source sets its own marks
// and the editor shows the union, so no source overwrites another.

#include <QTextEdit>

#include <array>

class QPlainTextEdit;

// Later sources draw over earlier ones.
enum class MarkSource { FindMatches, Brackets, Error };

inline constexpr int kMarkSourceCount = 3;

class EditorMarks {
  public:
    explicit EditorMarks(QPlainTextEdit& editor) : editor_(editor) {}

    void Set(MarkSource source, QList<QTextEdit::ExtraSelection> marks);
    const QList<QTextEdit::ExtraSelection>& Marks(MarkSource source) const;

  private:
    QPlainTextEdit& editor_;
    std::array<QList<QTextEdit::ExtraSelection>, kMarkSourceCount> sources_;
};
