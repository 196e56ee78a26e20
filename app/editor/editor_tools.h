#pragma once
// What the editor offers beyond plain editing, put together in one place: highlighting,
// the bracket marks, the completion list and the find bar.

#include <QObject>

#include <memory>

#include "app/editor/editor_marks.h"

class CCalcHighlighter;
class CCalcView;
class CFindBar;
class CompletionPopup;
struct Preferences;

class EditorTools : public QObject {
    Q_OBJECT

  public:
    explicit EditorTools(CCalcView& view);
    ~EditorTools() override;

    CCalcHighlighter& Highlighter() const { return *highlighter_; }
    EditorMarks& Marks() const { return *marks_; }
    CompletionPopup& Completion() const { return *completion_; }
    CFindBar& FindBar() const { return *findBar_; }

    void ApplyPreferences(const Preferences& preferences);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MarkBrackets();

    CCalcView& view_;
    CCalcHighlighter* highlighter_;
    std::unique_ptr<EditorMarks> marks_;
    CompletionPopup* completion_;
    CFindBar* findBar_;
};
