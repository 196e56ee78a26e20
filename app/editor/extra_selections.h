#pragma once
// The editor's extra selections come from several sources, each owning its own marks;
// the editor shows their union, so one source never wipes out another's.

#include <QList>
#include <QTextEdit>

#include <array>

enum class ExtraSelectionSource {
    FailedStatement, // the statement that stopped the latest run
};
inline constexpr int kExtraSelectionSourceCount = 1;

class ExtraSelectionSet {
  public:
    // False when the source held exactly these marks already.
    bool Set(ExtraSelectionSource source, QList<QTextEdit::ExtraSelection> selections);
    const QList<QTextEdit::ExtraSelection>& Of(ExtraSelectionSource source) const;
    // Every source's marks, in the order of the sources.
    QList<QTextEdit::ExtraSelection> Union() const;

  private:
    std::array<QList<QTextEdit::ExtraSelection>, kExtraSelectionSourceCount> sources_;
};
