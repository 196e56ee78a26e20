// The calculation file as the document reads and writes it, and files that must never
// be half-loaded or lost.

#include "window_fixtures.h"

#include <QDir>

#include <cerrno>
#include <cstring>

#include "app/document/calc_doc.h"
#include "app/document/document_file.h"
#include "app/editor/calc_view.h"
#include "app/notify/calc_notifier.h"

namespace {

QByteArray Utf16Le(const std::u16string& text) {
    QByteArray bytes;
    for (char16_t unit : text) {
        bytes.append(static_cast<char>(unit & 0xFF));
        bytes.append(static_cast<char>(unit >> 8));
    }
    return bytes;
}

const QByteArray kMark("\xFF\xFE", 2);

// The message's first line, then the file and the system's reason.
QString SaveFailure(const QString& headline, const QString& path, int error) {
    return QStringLiteral("%1\n\u201C%2\u201D: %3")
        .arg(headline, path, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

class DocumentFileTest : public QObject {
    Q_OBJECT

  private:
    using Fixture = DocumentFixture;

  private slots:
    void opening_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("mark and CR LF lines")
            << kMark + Utf16Le(u"1+1;\r\n2*3;") << QStringLiteral("1+1;\r\n2*3;");
        QTest::newRow("U+FEFF inside the text is dropped")
            << kMark + Utf16Le(u"1\uFEFF+\uFEFF2;") << QStringLiteral("1+2;");
        QTest::newRow("odd last byte is ignored")
            << kMark + Utf16Le(u"7;") + QByteArray("\x41", 1) << QStringLiteral("7;");
        QTest::newRow("text ends at U+0000")
            << kMark + Utf16Le(u"5;") + QByteArray(2, '\0') + Utf16Le(u"6;") << QStringLiteral("5;");
        QTest::newRow("no mark is read as UTF-16 all the same") << Utf16Le(u"x;") << QStringLiteral("x;");
        QTest::newRow("zero bytes give an empty document") << QByteArray() << QString();
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF"
                                                           "\xCF\x80*2;\r\n")
                                             << QStringLiteral("\u03C0*2;\r\n");
        QTest::newRow("UTF-8 without a mark") << QByteArray("\xE2\x88\x92"
                                                            "1;")
                                              << QStringLiteral("\u22121;");
        QByteArray bigEndian("\xFE\xFF", 2);
        for (char c : QByteArray("7;"))
            bigEndian.append('\0').append(c);
        QTest::newRow("UTF-16 big-endian") << bigEndian << QStringLiteral("7;");
        QTest::newRow("lone surrogates survive")
            << kMark + Utf16Le(std::u16string(u"a") + char16_t(0xD800) + u"b" + char16_t(0xDC00))
            << QString::fromUtf16(std::u16string(u"a\xD800"
                                                 u"b\xDC00")
                                      .c_str());
    }

    void opening() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        Fixture f;
        const QString path = f.environment.FilePath(QStringLiteral("in.vcl"));
        WriteBytes(path, bytes);
        QVERIFY(f.document.OnOpenDocument(path));
        QCOMPARE(FromU16(f.view.DocumentText()), shown);
        QVERIFY(!f.document.IsModified());
        QCOMPARE(f.document.Title(), QStringLiteral("in.vcl"));
        QVERIFY(f.boxes.AllAnswered());
    }

    void saving_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty document is the mark alone") << QString() << kMark;
        QTest::newRow("line breaks are written as CR LF")
            << QStringLiteral("1;\n2;") << kMark + Utf16Le(u"1;\r\n2;");
        QTest::newRow("no terminating zero, minus sign kept")
            << QStringLiteral("\u22121;") << kMark + Utf16Le(u"\u22121;");
    }

    void saving() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, bytes);
        Fixture f;
        f.view.insertPlainText(typed);
        const QString path = f.environment.FilePath(QStringLiteral("out.vcl"));
        QVERIFY(f.document.OnSaveDocument(path));
        QCOMPARE(ReadBytes(path), bytes);
        QVERIFY(!f.document.IsModified());
    }

    void what_was_opened_is_saved_unchanged() {
        Fixture f;
        const std::u16string text = std::u16string(u"a\u00A0b\t;\r\n") + char16_t(0xDFFF) + u"\r\n\r\nend";
        const QString in = f.environment.FilePath(QStringLiteral("in.vcl"));
        const QString out = f.environment.FilePath(QStringLiteral("out.vcl"));
        WriteBytes(in, kMark + Utf16Le(text));
        QVERIFY(f.document.OnOpenDocument(in));
        QVERIFY(f.document.OnSaveDocument(out));
        QCOMPARE(ReadBytes(out), ReadBytes(in));
    }

    void lone_line_ends_become_CR_LF() {
        Fixture f;
        const QString in = f.environment.FilePath(QStringLiteral("in.vcl"));
        WriteBytes(in, kMark + Utf16Le(u"1;\n2;\r3;\u2028"
                                       u"4;"));
        QVERIFY(f.document.OnOpenDocument(in));
        QCOMPARE(FromU16(f.view.DocumentText()), QStringLiteral("1;\r\n2;\r\n3;\r\n4;"));
    }

    void a_missing_file_is_reported_and_the_document_kept() {
        Fixture f;
        f.view.insertPlainText(QStringLiteral("keep;"));
        f.boxes.Expect(
            QStringLiteral("File \u201Cnothing.vcl\u201D is not found.\nVerify the file name and try again."),
            IdOk);
        QVERIFY(!f.document.OnOpenDocument(f.environment.FilePath(QStringLiteral("nothing.vcl"))));
        QCOMPARE(FromU16(f.view.DocumentText()), QStringLiteral("keep;"));
        QVERIFY(f.document.IsModified());
        QVERIFY(f.boxes.AllAnswered());
    }

    void a_file_in_another_encoding_is_refused() {
        Fixture f;
        const QString path = f.environment.FilePath(QStringLiteral("latin1.vcl"));
        WriteBytes(path, QByteArray("2+3; // caf\xE9"));
        f.view.insertPlainText(QStringLiteral("keep;"));
        f.boxes.Expect(
            QStringLiteral("Failed to open document.\nThe file is not in an encoding the Calculator "
                           "reads (UTF-8 or UTF-16)."),
            IdOk);
        QVERIFY(!f.document.OnOpenDocument(path));
        QCOMPARE(FromU16(f.view.DocumentText()), QStringLiteral("keep;"));
        QVERIFY(f.boxes.AllAnswered());
    }

    void a_file_too_large_is_refused_whole() {
        Fixture f;
        const QString path = f.environment.FilePath(QStringLiteral("huge.vcl"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(100 * 1024 * 1024)); // 100 MiB of zeros, sparse
        }
        f.view.insertPlainText(QStringLiteral("keep;"));
        f.boxes.Expect(QStringLiteral("Failed to open document.\nThe file is larger than 16 MB."), IdOk);
        QVERIFY(!f.document.OnOpenDocument(path));
        QCOMPARE(FromU16(f.view.DocumentText()), QStringLiteral("keep;"));
        QVERIFY(f.boxes.AllAnswered());
    }

    void reading_limits_are_exact() {
        TestEnvironment environment;
        const QString path = environment.FilePath(QStringLiteral("limit.vcl"));
        WriteBytes(path, kMark + Utf16Le(u"12;"));
        QCOMPARE(ReadCalculationFile(path, 8).outcome, ReadOutcome::Ok);
        QCOMPARE(ReadCalculationFile(path, 7).outcome, ReadOutcome::TooLarge);
        QCOMPARE(ReadCalculationFile(environment.FilePath(QStringLiteral("none")), 8).outcome,
                 ReadOutcome::CannotOpen);
        QCOMPARE(ReadCalculationFile(environment.Path()).outcome, ReadOutcome::CannotOpen);
    }

    // Places that refuse a new file to root as well: sysfs takes no new files, and a
    // regular file cannot hold one.
    void a_failed_save_says_where_and_why_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("error");
        QTest::newRow("a folder nobody may write") << QStringLiteral("/sys") << EACCES;
        QTest::newRow("a folder that does not exist") << QStringLiteral("missing") << ENOENT;
        QTest::newRow("a file where the folder should be") << QStringLiteral("not-a-directory") << ENOTDIR;
    }

    void a_failed_save_says_where_and_why() {
        QFETCH(QString, folder);
        QFETCH(int, error);
        Fixture f;
        const QString blocker = f.environment.FilePath(QStringLiteral("not-a-directory"));
        WriteBytes(blocker, "old");
        const QString path = QDir(f.environment.Path()).filePath(folder + QStringLiteral("/out.vcl"));
        f.view.insertPlainText(QStringLiteral("new;"));
        f.boxes.Expect(SaveFailure(QStringLiteral("Failed to save document."), path, error), IdOk);
        QVERIFY(!f.document.OnSaveDocument(path));
        QVERIFY2(f.boxes.AllAnswered(), qPrintable(f.boxes.Shown().join(QLatin1Char('|'))));
        QVERIFY(f.document.IsModified());
        QCOMPARE(ReadBytes(blocker), QByteArray("old"));
    }

    // Each way a save starts reports the same two lines.
    void every_save_says_where_and_why_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("Save to a folder gone since opening") << QStringLiteral("save");
        QTest::newRow("Save As") << QStringLiteral("save as");
        QTest::newRow("Yes to saving changes on close") << QStringLiteral("close");
        QTest::newRow("Save memory") << QStringLiteral("save memory");
    }

    void every_save_says_where_and_why() {
        QFETCH(QString, command);
        Fixture f;
        QString path = QStringLiteral("/sys/out.vcl");
        int error = EACCES;
        if (command == QLatin1String("save")) {
            QVERIFY(QDir(f.environment.Path()).mkdir(QStringLiteral("gone")));
            path = f.environment.FilePath(QStringLiteral("gone/out.vcl"));
            WriteBytes(path, kMark);
            QVERIFY(f.document.OnOpenDocument(path));
            QVERIFY(QDir(f.environment.FilePath(QStringLiteral("gone"))).removeRecursively());
            error = ENOENT;
        }
        f.view.insertPlainText(QStringLiteral("new;"));
        f.dialogs.Answer(path);
        if (command == QLatin1String("save memory")) {
            NCalculatorText::memoryStore.cells[u"a"].value = Complex{1.0, 0.0};
            f.boxes.Expect(SaveFailure(QStringLiteral("Cannot open the file for writing."), path, error),
                           IdOk);
            f.document.MemorySave();
        } else {
            if (command == QLatin1String("close"))
                f.boxes.Expect(QStringLiteral("Save changes to \u201CCalculation\u201D?"), IdYes);
            f.boxes.Expect(SaveFailure(QStringLiteral("Failed to save document."), path, error), IdOk);
            if (command == QLatin1String("save"))
                f.document.FileSave();
            else if (command == QLatin1String("save as"))
                f.document.FileSaveAs();
            else
                QVERIFY(!f.document.SaveModified()); // the window stays open
            QVERIFY(f.document.IsModified());
        }
        QVERIFY2(f.boxes.AllAnswered(), qPrintable(f.boxes.Shown().join(QLatin1Char('|'))));
    }

    void saving_over_a_file_replaces_it_whole() {
        TestEnvironment environment;
        const QString path = environment.FilePath(QStringLiteral("over.vcl"));
        WriteBytes(path, QByteArray(1000, 'x'));
        QCOMPARE(WriteFileAtomically(path, std::string("\xFF\xFE", 2)).outcome, WriteOutcome::Ok);
        QCOMPARE(ReadBytes(path), kMark);
        QCOMPARE(WriteFileAtomically(environment.Path(), std::string("x")).outcome, WriteOutcome::CannotOpen);
    }
};

QTEST_MAIN(DocumentFileTest)
#include "document_file_test.moc"
