#pragma once
// The two ways the Qt tests meet the program: a document with an editor of its own, and
// the main window around a new document. Both script every message box and file dialog.

#include <QSize>

#include <memory>
#include <string_view>

#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/notify/calc_notifier.h"
#include "app_test_support.h"

// A new document shown in an editor that no window holds.
struct DocumentFixture {
    TestEnvironment environment;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs dialogs;
    CCalcNotifier notifier;
    CCalcDoc document{notifier};
    CCalcView view;

    DocumentFixture() {
        document.AttachView(&view);
        document.OnNewDocument();
    }
    // Text set as if opened: not modified, no undo history.
    void Load(const QString& text) {
        view.SetDocumentText(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                 static_cast<size_t>(text.size())));
        document.SetModifiedFlag(false);
    }
    void Run(int code) {
        document.ReceiveCommand(code);
        WaitForCalculation(document);
    }
    QString Text() const { return FromU16(view.DocumentText()); }
    void PlaceCaret(int offset) { view.SetSelection(offset, offset); }
    int Caret() const { return view.Selection().first; }
};

// The main window on a new document, shown at a size, with the preferences applied.
struct MainWindowFixture {
    TestEnvironment environment;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs dialogs;
    CCalcNotifier notifier;
    CCalcDoc document{notifier};
    std::unique_ptr<CCalcMainFrame> frame;

    explicit MainWindowFixture(QSize size) : size_(size) { Open(); }
    void Open() {
        frame = std::make_unique<CCalcMainFrame>(document, notifier);
        document.OnNewDocument();
        frame->resize(size_);
        frame->show();
        frame->ApplyPreferences();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    }
    // As a restart does: the placement and the panes' layout stored, a new window opened.
    void Reopen() {
        frame->SavePlacementAndLayout();
        frame.reset();
        Open();
    }
    CCalcView& View() { return *frame->View(); }
    QString Text() { return FromU16(View().DocumentText()); }

  private:
    QSize size_;
};
