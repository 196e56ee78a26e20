#pragma once
// The calculation editor: a plain multi-line editor whose offsets are the document's
// (CR LF counted as two code units), with the editor font of the settings.

#include <QPlainTextEdit>

#include <string>
#include <utility>

class EditorTools;
class QSettings;

struct EditorFontSettings {
    QString face;     // "GUI/Editor/FontFace"
    int weight = 400; // "GUI/Editor/FontWeight": 400 normal, 700 bold
    bool italic = false;
};

EditorFontSettings ReadEditorFontSettings(QSettings& settings);

class CCalcView : public QPlainTextEdit {
    Q_OBJECT

  public:
    // Typed and pasted input stops at this many code units; text set by the program does not.
    static constexpr int kTypedInputLimit = 0xFFFFF;

    explicit CCalcView(QWidget* parent = nullptr);

    // Builds the editor font from the settings and the font-size preference.
    void BuildEditorFont(const EditorFontSettings& settings, int pointSize);
    // Rebuilds the font only when the size differs from the remembered one.
    void ChangeFontSize(int pointSize);
    int EditorFontSize() const { return fontSize_; }
    int FontBuilds() const { return fontBuilds_; }

    std::u16string DocumentText() const;
    // Replaces the whole text: empties the undo history and tells no one (the
    // document's modified flag stays as it was).
    void SetDocumentText(std::u16string_view text);
    // Turns the text into `text` by editing only what differs, as one step of the undo
    // history; tells no one either. The lines and the scroll position stay.
    void ReplaceTextByEdits(std::u16string_view text);
    bool IsEmpty() const;

    // Selection start and end as document offsets.
    std::pair<int, int> Selection() const;
    void SetSelection(int start, int end);
    void ScrollCaretIntoView();
    // One undoable edit each, noticed as a change of the text.
    void ReplaceSelection(const QString& text);
    void DeleteSelection();

    // A red wavy line under a range of document offsets, gone at the next edit.
    void MarkFailedStatement(int start, int length);
    // Highlighting, bracket marks, completion and the find bar.
    EditorTools& Tools() const { return *tools_; }
    // How many code units may still be inserted in place of the cursor's selection.
    int RoomForInput(const QTextCursor& cursor) const;
    int RoomForInput() const { return RoomForInput(textCursor()); }
    // Inserts in place of the cursor's selection when it fits the input limit, else says so.
    bool InsertWithinLimit(QTextCursor& cursor, const QString& text);
    // Tells the user that input stopped at the limit.
    void ReportInputLimit();
    // Room below the text for the find bar.
    void SetBottomMargin(int height) { setViewportMargins(0, 0, 0, height); }

  signals:
    // A user edit (typing, cut, paste, undo, the keypad's insertions).
    void edited();
    void fileDropped(const QString& path);
    // A passing note for the status bar.
    void statusMessage(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void ApplyFont(const QFont& font);
    void ClearFailedStatementMark(quint64 edit);
    QString RawText() const;

    int fontSize_ = 15;
    int fontBuilds_ = 0;
    bool settingText_ = false;
    EditorTools* tools_;
    quint64 edits_ = 0;           // changes of the text so far
    quint64 markedAfterEdit_ = 0; // the failed statement was marked after this many
};
