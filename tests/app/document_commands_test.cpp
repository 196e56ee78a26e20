// The document's commands on the text: calculate and caret, clear and backspace, typing
// and undo, the modified flag, the memory commands and asking to save.

#include "window_fixtures.h"

#include <QSignalSpy>

#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/notify/calc_notifier.h"
#include "engine/state/memory_store.h"
#include "tests/engine/log_recorder.h"

namespace {

const QString kAskClear = QStringLiteral("Clear all the calculations?");
const QString kAskFree = QStringLiteral("Erase all the memory?");
const QByteArray kMark("\xFF\xFE", 2);

QByteArray Utf16Le(const QString& text) {
    QByteArray bytes;
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

} // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

  private:
    struct Fixture : DocumentFixture {
        QSignalSpy results{&notifier, &CCalcNotifier::resultChanged};
        QSignalSpy memory{&notifier, &CCalcNotifier::memoryChanged};
    };
  private slots:
    void calculate_writes_the_result_and_moves_the_caret_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("selectionEnd");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caret");
        QTest::newRow("caret in the first statement")
            << "1+1;\r\n2*3;" << 1 << 1 << int(CmdCalculate) << "1+1=2;\r\n2*3;" << 6;
        QTest::newRow("second line, offsets count CR LF twice")
            << "1+1;\r\n2*3;" << 7 << 7 << int(CmdCalculate) << "1+1;\r\n2*3=6;" << 12;
        QTest::newRow("a selection calculates at its start")
            << "1+1;\r\n2*3;" << 2 << 8 << int(CmdCalculate) << "1+1=2;\r\n2*3;" << 6;
        QTest::newRow("calculate all")
            << "1+1;\r\n2*3;" << 0 << 0 << int(CmdCalculateAll) << "1+1=2;\r\n2*3=6;" << 14;
        QTest::newRow("an old result is replaced")
            << "2+2=5;" << 0 << 0 << int(CmdCalculate) << "2+2=4;" << 6;
    }

    void calculate_writes_the_result_and_moves_the_caret() {
        QFETCH(QString, text);
        QFETCH(int, selectionStart);
        QFETCH(int, selectionEnd);
        QFETCH(int, code);
        QFETCH(QString, after);
        QFETCH(int, caret);
        Fixture f;
        f.Load(text);
        f.view.SetSelection(selectionStart, selectionEnd);
        f.Run(code);
        QCOMPARE(f.Text(), after);
        QCOMPARE(f.view.Selection(), std::make_pair(caret, caret));
        QCOMPARE(f.results.count(), 1);
        QCOMPARE(f.memory.count(), 1);
    }

    void a_failed_calculation_still_replaces_the_text() {
        Fixture f;
        f.Load(QStringLiteral("1/;"));
        f.view.SetSelection(0, 0);
        f.Run(CmdCalculate);
        QCOMPARE(f.Caret(), 0);
        QCOMPARE(f.results.count(), 1);
    }

    void typing_marks_modified_once_and_caption_follows() {
        Fixture f;
        QSignalSpy caption(&f.document, &CCalcDoc::captionChanged);
        QTest::keyClicks(&f.view, QStringLiteral("12"));
        QVERIFY(f.document.IsModified());
        QCOMPARE(caption.count(), 1);
        f.document.SetModifiedFlag(true);
        QCOMPARE(caption.count(), 1);
    }

    void changing_the_font_is_not_an_edit() {
        Fixture f;
        f.Load(QStringLiteral("1;"));
        f.view.BuildEditorFont({QStringLiteral("Roboto Mono"), 700, true}, 20);
        f.view.ChangeFontSize(30);
        QVERIFY(!f.document.IsModified());
    }

    void inserted_text_is_one_undo_step() {
        Fixture f;
        f.Load(QStringLiteral("a;"));
        f.view.SetSelection(1, 1);
        f.document.ReceiveText(u"sin(");
        QCOMPARE(f.Text(), QStringLiteral("asin(;"));
        QVERIFY(f.document.IsModified());
        f.view.undo();
        QCOMPARE(f.Text(), QStringLiteral("a;"));
        QVERIFY(!f.view.document()->isUndoAvailable());
    }

    void inserted_text_replaces_the_selection() {
        Fixture f;
        f.Load(QStringLiteral("1+2;"));
        f.view.SetSelection(0, 3);
        f.document.ReceiveText(u"\u03C0");
        QCOMPARE(f.Text(), QStringLiteral("\u03C0;"));
        QCOMPARE(f.view.Selection(), std::make_pair(1, 1));
        f.document.ReceiveText(u"+e");
        QCOMPARE(f.Text(), QStringLiteral("\u03C0+e;"));
    }

    void backspace_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caret");
        QTest::newRow("one character before the caret") << "123" << 2 << 2 << "13" << 1;
        QTest::newRow("caret at 0 deletes nothing") << "123" << 0 << 0 << "123" << 0;
        QTest::newRow("a selection goes exactly") << "12345" << 1 << 4 << "15" << 1;
        QTest::newRow("a line break goes whole") << "1\r\n2" << 3 << 3 << "12" << 1;
        QTest::newRow("a surrogate pair goes whole")
            << QString::fromUtf16(u"a\U0001D400b") << 3 << 3 << "ab" << 1;
    }

    void backspace() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, after);
        QFETCH(int, caret);
        Fixture f;
        f.Load(text);
        f.view.SetSelection(start, end);
        f.document.ReceiveCommand(CmdBackspace);
        QCOMPARE(f.Text(), after);
        QCOMPARE(f.Caret(), caret);
        QCOMPARE(f.document.IsModified(), after != text);
        if (after != text) {
            f.view.undo();
            QCOMPARE(f.Text(), text);
        }
    }

    void clear_data() {
        QTest::addColumn<int>("confirmation");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("without confirmation") << 0 << 0 << true;
        QTest::newRow("confirmed with Yes") << 1 << int(IdYes) << true;
        QTest::newRow("refused with No") << 1 << int(IdNo) << false;
        QTest::newRow("closed box counts as No") << 5 << int(IdCancel) << false;
    }

    void clear() {
        QFETCH(int, confirmation);
        QFETCH(int, answer);
        QFETCH(bool, cleared);
        Fixture f;
        preferenceStore.values.clearConfirmation = confirmation;
        f.Load(QStringLiteral("1;\r\n2;"));
        if (confirmation != 0)
            f.boxes.Expect(kAskClear, answer);
        f.document.ReceiveCommand(CmdClear);
        QCOMPARE(f.Text(), cleared ? QString() : QStringLiteral("1;\r\n2;"));
        QCOMPARE(f.document.IsModified(), cleared);
        QVERIFY(f.boxes.AllAnswered());
        if (cleared) {
            f.view.undo();
            QCOMPARE(f.Text(), QStringLiteral("1;\r\n2;"));
        }
    }

    void clearing_an_empty_text_asks_nothing() {
        Fixture f;
        preferenceStore.values.clearConfirmation = 1;
        f.document.ReceiveCommand(CmdClear);
        QVERIFY(f.boxes.AllAnswered());
        QVERIFY(f.boxes.Shown().isEmpty());
    }

    void unknown_codes_do_nothing() {
        Fixture f;
        f.Load(QStringLiteral("1;"));
        f.document.ReceiveCommand(5);
        f.document.ReceiveCommand(-1);
        QCOMPARE(f.Text(), QStringLiteral("1;"));
        QCOMPARE(f.results.count(), 0);
    }

    void free_memory_data() {
        QTest::addColumn<int>("confirmation");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("erased");
        QTest::newRow("without confirmation") << 0 << 0 << true;
        QTest::newRow("confirmed") << 1 << int(IdYes) << true;
        QTest::newRow("refused") << 1 << int(IdNo) << false;
    }

    void free_memory() {
        QFETCH(int, confirmation);
        QFETCH(int, answer);
        QFETCH(bool, erased);
        Fixture f;
        preferenceStore.values.freeConfirmation = confirmation;
        f.Load(QStringLiteral("2->mem[a];"));
        f.Run(CmdCalculateAll);
        QVERIFY(f.document.MemoryHasCells());
        f.memory.clear();
        if (confirmation != 0)
            f.boxes.Expect(kAskFree, answer);
        f.document.MemoryFree();
        QCOMPARE(f.document.MemoryHasCells(), !erased);
        QCOMPARE(f.memory.count(), erased ? 1 : 0);
        QVERIFY(f.boxes.AllAnswered());
    }

    void free_memory_on_an_empty_store_asks_nothing() {
        Fixture f;
        preferenceStore.values.freeConfirmation = 1;
        f.document.MemoryFree();
        QVERIFY(f.boxes.Shown().isEmpty());
        QCOMPARE(f.memory.count(), 0);
    }

    void new_document_keeps_memory_cells() {
        Fixture f;
        f.Load(QStringLiteral("5->mem[x];"));
        f.Run(CmdCalculateAll);
        f.document.FileNew();
        QCOMPARE(f.Text(), QString());
        QVERIFY(f.document.MemoryHasCells());
        QCOMPARE(f.document.Title(), QStringLiteral("Calculation"));
    }

    void execute_file_changes_memory_but_not_the_text() {
        Fixture f;
        f.Load(QStringLiteral("typed;"));
        f.document.SetModifiedFlag(true);
        const QString path = f.environment.FilePath(QStringLiteral("run.vcl"));
        WriteBytes(path, kMark + Utf16Le(QStringLiteral("6*7->mem[answer];")));
        f.dialogs.Answer(path);
        f.document.FileExecute();
        WaitForCalculation(f.document);
        QCOMPARE(f.Text(), QStringLiteral("typed;"));
        QVERIFY(f.document.IsModified());
        QCOMPARE(NCalculatorText::memoryStore.cells.count(u"answer"), size_t(1));
        QCOMPARE(NCalculatorText::engineState.previousResult.re, 42.0);
        QCOMPARE(f.results.count(), 1);
        QCOMPARE(f.memory.count(), 1);
        const FileDialogRequest& request = f.dialogs.Requests().front();
        QCOMPARE(request.mode, FileDialogMode::Open);
        QCOMPARE(request.defaultExtension, QStringLiteral("vcl"));
    }

    void run_file_reads_the_encodings_of_other_editors_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("logged");
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF"
                                                           "2*3->mem[a]; // \xC2\xB2")
                                             << 6.0 << QString();
        QTest::newRow("UTF-8 without a mark") << QByteArray("\xCF\x80*0+4->mem[a]") << 4.0 << QString();
        QByteArray bigEndian("\xFE\xFF", 2);
        for (char c : QByteArray("5->mem[a]"))
            bigEndian.append('\0').append(c);
        QTest::newRow("UTF-16 big-endian") << bigEndian << 5.0 << QString();
        QTest::newRow("Latin-1 is logged, not run")
            << QByteArray("7->mem[a]; // caf\xE9") << 0.0
            << QStringLiteral("The file is not in an encoding the Calculator reads (UTF-8 or UTF-16)");
    }

    void run_file_reads_the_encodings_of_other_editors() {
        QFETCH(QByteArray, bytes);
        QFETCH(double, stored);
        QFETCH(QString, logged);
        Fixture f;
        NCalculatorText::ClearMemory(true);
        testing_support::LogRecorder log;
        const QString path = f.environment.FilePath(QStringLiteral("other.vcm"));
        WriteBytes(path, bytes);
        f.dialogs.Answer(path);
        f.document.MemoryLoad();
        WaitForCalculation(f.document);
        QVERIFY(f.boxes.Shown().isEmpty());
        const auto& cells = NCalculatorText::memoryStore.cells;
        QCOMPARE(cells.count(u"a") ? cells.at(u"a").value.re : 0.0, stored);
        if (logged.isEmpty()) {
            QVERIFY(log.messages.empty());
        } else {
            QCOMPARE(log.messages.size(), size_t(1));
            QCOMPARE(log.messages[0].kind, 1);
            QCOMPARE(FromU16(log.messages[0].text), logged);
        }
    }

    void run_file_failures_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("directory");
        QTest::addColumn<QString>("message");
        QTest::newRow("an empty file cannot be read") << QByteArray() << false << "Cannot read the file.";
        QTest::newRow("a directory cannot be opened")
            << QByteArray() << true << "Cannot open the file for reading.";
    }

    void run_file_failures() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, directory);
        QFETCH(QString, message);
        Fixture f;
        const QString path = f.environment.FilePath(QStringLiteral("bad.vcm"));
        if (directory)
            QVERIFY(QDir().mkpath(path));
        else
            WriteBytes(path, bytes);
        f.dialogs.Answer(path);
        f.boxes.Expect(message, IdOk);
        f.document.MemoryLoad();
        QVERIFY(f.boxes.AllAnswered());
        QCOMPARE(f.results.count(), 0);
    }

    void save_and_load_memory_round_trip() {
        Fixture f;
        f.Load(QStringLiteral("1-2*i->mem[z];\r\n1e-5->mem[a];"));
        f.Run(CmdCalculateAll);
        const QString path = f.environment.FilePath(QStringLiteral("cells.vcm"));
        f.dialogs.Answer(path);
        f.document.MemorySave();
        const FileDialogRequest& request = f.dialogs.Requests().front();
        QCOMPARE(request.title, QStringLiteral("Save memory"));
        QCOMPARE(request.initialName, QStringLiteral("Memory 1"));
        QCOMPARE(request.filter, QStringLiteral("Memory files (*.vcm)|*.vcm||"));
        const QByteArray bytes = ReadBytes(path);
        QVERIFY(bytes.startsWith(kMark));

        NCalculatorText::ClearMemory(true);
        f.dialogs.Answer(path);
        f.document.MemoryLoad();
        WaitForCalculation(f.document);
        QCOMPARE(NCalculatorText::memoryStore.cells.size(), size_t(2));
        QCOMPARE(NCalculatorText::memoryStore.cells[u"z"].value.im, -2.0);
        QCOMPARE(NCalculatorText::memoryStore.cells[u"a"].value.re, 1e-5);
        QVERIFY(!f.document.IsModified());
    }

    void ask_to_save_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("savedAs");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("written");
        QTest::newRow("Yes saves, then goes on") << int(IdYes) << "kept.vcl" << true << true;
        QTest::newRow("Yes but the Save As is cancelled stops") << int(IdYes) << "" << false << false;
        QTest::newRow("No goes on without saving") << int(IdNo) << "" << true << false;
        QTest::newRow("Cancel stops") << int(IdCancel) << "" << false << false;
    }

    void ask_to_save() {
        QFETCH(int, answer);
        QFETCH(QString, savedAs);
        QFETCH(bool, goesOn);
        QFETCH(bool, written);
        Fixture f;
        QTest::keyClicks(&f.view, QStringLiteral("9;"));
        f.boxes.Expect(QStringLiteral("Save changes to \u201CCalculation\u201D?"), answer);
        const QString path = f.environment.FilePath(QStringLiteral("kept.vcl"));
        if (answer == IdYes)
            f.dialogs.Answer(savedAs.isEmpty() ? QString() : path);
        f.document.FileNew();
        QVERIFY(f.boxes.AllAnswered());
        QCOMPARE(f.Text().isEmpty(), goesOn);
        QCOMPARE(QFile::exists(path), written);
        if (answer == IdYes) {
            const FileDialogRequest& request = f.dialogs.Requests().front();
            QCOMPARE(request.initialName, QStringLiteral("Calculation.vcl"));
            QCOMPARE(request.defaultExtension, QStringLiteral("vcl"));
        }
    }

    void save_as_names_the_document_and_enters_the_recent_list() {
        Fixture f;
        QTest::keyClicks(&f.view, QStringLiteral("1;"));
        const QString path = f.environment.FilePath(QStringLiteral("named"));
        f.dialogs.Answer(path);
        f.document.FileSaveAs();
        QCOMPARE(f.document.PathName(), path + QStringLiteral(".vcl"));
        QCOMPARE(f.document.Title(), QStringLiteral("named.vcl"));
        QVERIFY(!f.document.IsModified());
        QCOMPARE(f.document.RecentFiles().Files().value(0), path + QStringLiteral(".vcl"));
        // The next Save writes to the same file without asking.
        QTest::keyClicks(&f.view, QStringLiteral("2;"));
        f.document.FileSave();
        QCOMPARE(f.dialogs.Requests().size(), size_t(1));
        QCOMPARE(ReadBytes(path + QStringLiteral(".vcl")), kMark + Utf16Le(QStringLiteral("1;2;")));
    }

    void the_question_names_the_file() {
        Fixture f;
        const QString path = f.environment.FilePath(QStringLiteral("sum.vcl"));
        WriteBytes(path, kMark + Utf16Le(QStringLiteral("1;")));
        QVERIFY(f.document.OnOpenDocument(path));
        QTest::keyClicks(&f.view, QStringLiteral("x"));
        f.boxes.Expect(QStringLiteral("Save changes to \u201Csum.vcl\u201D?"), IdCancel);
        QVERIFY(!f.document.SaveModified());
        QVERIFY(f.boxes.AllAnswered());
    }

    void typing_stops_at_the_input_limit() {
        Fixture f;
        f.Load(QString(CCalcView::kTypedInputLimit - 1, QLatin1Char('1')));
        f.view.moveCursor(QTextCursor::End);
        QTest::keyClicks(&f.view, QStringLiteral("234"));
        QCOMPARE(f.Text().size(), CCalcView::kTypedInputLimit);
        QVERIFY(f.Text().endsWith(QStringLiteral("12")));
        // A line break needs two code units, and there is no room for them.
        f.Load(QString(CCalcView::kTypedInputLimit - 1, QLatin1Char('1')));
        f.view.moveCursor(QTextCursor::End);
        QTest::keyClick(&f.view, Qt::Key_Return);
        QCOMPARE(f.Text().size(), CCalcView::kTypedInputLimit - 1);
        // A tab is typed input like any character.
        QTest::keyClick(&f.view, Qt::Key_Tab);
        QCOMPARE(f.Text().size(), CCalcView::kTypedInputLimit);
        QTest::keyClick(&f.view, Qt::Key_Tab);
        QCOMPARE(f.Text().size(), CCalcView::kTypedInputLimit);
        QVERIFY(f.Text().endsWith(QStringLiteral("1\t")));
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "document_commands_test.moc"
