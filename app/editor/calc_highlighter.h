#pragma once
// Colours the calculation text block by block; a block's state carries an open block
// comment or result into the next one, so an edit rehighlights only what it changes.

#include <QSyntaxHighlighter>

#include <vector>

#include "app/editor/highlight_colours.h"

class CCalcHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

  public:
    explicit CCalcHighlighter(QTextDocument* document);

    // Off: no colours, while the block states stay kept for the brackets and completion.
    void SetEnabled(bool enabled);
    bool IsEnabled() const { return enabled_; }
    void SetPalette(const QPalette& palette);

  protected:
    void highlightBlock(const QString& text) override;

  private:
    TokenFormats formats_;
    std::vector<Token> tokens_;
    bool enabled_ = true;
};
