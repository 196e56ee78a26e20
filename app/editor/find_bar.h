#pragma once
// The small bar along the editor's bottom edge for Find, Replace and Go to line: it
// stays open beside the text instead of a modal box.

#include <QWidget>

#include "app/editor/editor_search.h"

class CCalcView;
class EditorMarks;
class QCheckBox;
class QLabel;
class QLineEdit;

enum class FindBarMode { Find, Replace, GoToLine };

class CFindBar : public QWidget {
    Q_OBJECT

  public:
    CFindBar(CCalcView& view, EditorMarks& marks);

    // Shows the bar in a mode, the field filled from the selection, and focuses it.
    void Open(FindBarMode mode);
    // Find Next: the last search again, or the bar when there was none.
    void FindNext();
    FindBarMode Mode() const { return mode_; }
    FindQuery Query() const;
    // Hides the bar and its marks; the editor gets the focus back.
    void Close();
    // The on-screen matches again, after an edit or a scroll.
    void RefreshMatches();

  signals:
    // Before the bar takes the focus.
    void opening();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Find(FindDirection direction);
    void Replace();
    void ReplaceAll();
    void GoToLine();
    void Place();
    void Say(const QString& text);

    CCalcView& view_;
    EditorMarks& marks_;
    EditorSearch search_;
    FindBarMode mode_ = FindBarMode::Find;
    QWidget* findGroup_;
    QWidget* replaceGroup_;
    QWidget* lineGroup_;
    QLineEdit* needle_;
    QCheckBox* matchCase_;
    QLineEdit* replacement_;
    QLineEdit* line_;
    QLabel* outcome_;
};
