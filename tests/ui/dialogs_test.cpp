// The message box's kinds, captions, buttons and default button, the answerer that
// tests and the styled box plug in, and the file dialog's filters and name checks.

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/scoped_answerer.h"
#include "ui/dialogs/calc_file_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/resources/bundled_fonts.h"
#include "ui/resources/va_fonts.h"

Q_DECLARE_METATYPE(MessageType)
Q_DECLARE_METATYPE(VaImageId)

namespace {

QStringList ButtonTexts(MessageButtons set) {
    QStringList texts;
    for (const MessageButton& button : ButtonsOf(set))
        texts << QStringLiteral("%1=%2").arg(button.text).arg(button.result);
    return texts;
}

constexpr MessageType Type(MessageButtons buttons, MessageIcon icon = MessageIcon::None,
                           DefaultButton defaultButton = DefaultButton::First) {
    return {buttons, icon, defaultButton};
}

using enum MessageButtons;
using enum MessageIcon;

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void kind_and_caption_data() {
        QTest::addColumn<MessageType>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<VaImageId>("image");
        QTest::newRow("stop icon") << Type(Close, Stop) << "Calculator stops" << VaImageId::Stops;
        QTest::newRow("question icon") << Type(YesNo, Question) << "Calculator asks" << VaImageId::Asks;
        QTest::newRow("exclamation icon")
            << Type(Close, Exclamation) << "Calculator warns" << VaImageId::Warns;
        QTest::newRow("information icon")
            << Type(Close, Information) << "Calculator informs" << VaImageId::Informs;
        QTest::newRow("no icon") << Type(Close) << "Calculator informs" << VaImageId::Informs;
        QTest::newRow("Yes/No without icon asks") << Type(YesNo) << "Calculator asks" << VaImageId::Asks;
        QTest::newRow("Yes/No/Cancel with information asks")
            << Type(YesNoCancel, Information) << "Calculator asks" << VaImageId::Asks;
        QTest::newRow("Yes/No with exclamation warns")
            << Type(YesNo, Exclamation) << "Calculator warns" << VaImageId::Warns;
    }

    void kind_and_caption() {
        QFETCH(MessageType, type);
        QFETCH(QString, caption);
        QFETCH(VaImageId, image);
        QCOMPARE(CaptionOf(KindOfMessage(type)), caption);
        QCOMPARE(ImageOf(KindOfMessage(type)), image);
    }

    void button_sets_data() {
        QTest::addColumn<unsigned>("set");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<int>("escape");
        QTest::newRow("0: Close") << 0u << QStringList{"&Close=1"} << "C" << int(IdOk);
        QTest::newRow("1: OK Cancel") << 1u << QStringList{"OK=1", "&Cancel=2"} << " C" << int(IdCancel);
        QTest::newRow("2: Abort Retry Ignore")
            << 2u << QStringList{"&Abort=3", "&Retry=4", "&Ignore=5"} << "ARI" << int(IdCancel);
        QTest::newRow("3: Yes No Cancel")
            << 3u << QStringList{"&Yes=6", "&No=7", "&Cancel=2"} << "YNC" << int(IdCancel);
        QTest::newRow("4: Yes No, Escape is No") << 4u << QStringList{"&Yes=6", "&No=7"} << "YN" << int(IdNo);
        QTest::newRow("5: Retry Cancel")
            << 5u << QStringList{"&Retry=4", "&Cancel=2"} << "RC" << int(IdCancel);
        QTest::newRow("6: Cancel Try again Continue, C is Cancel's")
            << 6u << QStringList{"&Cancel=2", "&Try again=10", "Continue=11"} << "CT " << int(IdCancel);
        QTest::newRow("7 and above: Close") << 7u << QStringList{"&Close=1"} << "C" << int(IdOk);
    }

    void button_sets() {
        QFETCH(unsigned, set);
        QFETCH(QStringList, buttons);
        QFETCH(QString, letters);
        QFETCH(int, escape);
        const auto buttonSet = static_cast<MessageButtons>(set);
        QCOMPARE(ButtonTexts(buttonSet), buttons);
        QString shown;
        for (const MessageButton& button : ButtonsOf(buttonSet))
            shown += LetterOf(button).isNull() ? QChar(u' ') : LetterOf(button);
        QCOMPARE(shown, letters);
        QCOMPARE(EscapeResult(buttonSet), escape);
    }

    void default_button_data() {
        QTest::addColumn<MessageType>("type");
        QTest::addColumn<int>("index");
        QTest::newRow("first by default") << Type(YesNo) << 0;
        QTest::newRow("second on Yes/No focuses No") << Type(YesNo, None, DefaultButton::Second) << 1;
        QTest::newRow("third on Yes/No is out of reach: Yes") << Type(YesNo, None, DefaultButton::Third) << 0;
        QTest::newRow("third on Yes/No/Cancel") << Type(YesNoCancel, None, DefaultButton::Third) << 2;
    }

    void default_button() {
        QFETCH(MessageType, type);
        QFETCH(int, index);
        QCOMPARE(DefaultButtonIndex(type), index);
    }

    void prompt_lines() {
        QCOMPARE(PromptLines(QStringLiteral("one")), QStringList{"one"});
        QCOMPARE(PromptLines(QStringLiteral("Only one cell is selected.\nCalculate for all cells?")),
                 (QStringList{"Only one cell is selected.", "Calculate for all cells?"}));
        QCOMPARE(PromptLines(QStringLiteral("a\nb\nc")), (QStringList{"a", "b"}));
    }

    void every_message_goes_through_the_answerer() {
        QString seen;
        MessageType seenType;
        const ScopedAnswerer<MessageBoxAnswerer> answerer(SetMessageBoxAnswerer,
                                                          [&](const QString& text, MessageType type) {
                                                              seen = text;
                                                              seenType = type;
                                                              return int(IdNo);
                                                          });
        QCOMPARE(CalcMessageBox(QStringLiteral("Erase all the memory?"), Type(YesNo, Question)), int(IdNo));
        QCOMPARE(seen, QStringLiteral("Erase all the memory?"));
        QVERIFY(seenType == Type(YesNo, Question));
    }

    void filters_data() {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("calculation files")
            << "Calculation files (*.vcl)|*.vcl|Memory files (*.vcm)|*.vcm|All files (*.*)|*.*||"
            << QStringList{"Calculation files (*.vcl)", "Memory files (*.vcm)", "All files (*)"};
        QTest::newRow("memory only") << "Memory files (*.vcm)|*.vcm||" << QStringList{"Memory files (*.vcm)"};
        QTest::newRow("several patterns") << "Text|*.txt;*.vcl||" << QStringList{"Text (*.txt *.vcl)"};
    }

    void filters() {
        QFETCH(QString, pairs);
        QFETCH(QStringList, filters);
        QCOMPARE(NameFiltersFromPairs(pairs), filters);
    }

    void default_extension() {
        QCOMPARE(WithDefaultExtension(QStringLiteral("/a/b"), QStringLiteral("vcl")),
                 QStringLiteral("/a/b.vcl"));
        QCOMPARE(WithDefaultExtension(QStringLiteral("/a/b.txt"), QStringLiteral("vcl")),
                 QStringLiteral("/a/b.txt"));
        QCOMPARE(WithDefaultExtension(QStringLiteral("/a.d/b"), QStringLiteral("vcm")),
                 QStringLiteral("/a.d/b.vcm"));
        QCOMPARE(WithDefaultExtension(QString(), QStringLiteral("vcm")), QString());
    }

    void name_checks() {
        QTemporaryDir directory;
        const QString existing = directory.filePath(QStringLiteral("there.vcl"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString missing = directory.filePath(QStringLiteral("gone.vcl"));

        QStringList shown;
        QList<MessageType> types;
        int answer = IdNo;
        const ScopedAnswerer<MessageBoxAnswerer> answerer(SetMessageBoxAnswerer,
                                                          [&](const QString& text, MessageType type) {
                                                              shown << text;
                                                              types << type;
                                                              return answer;
                                                          });
        QVERIFY(CCalcFileDialog::AcceptName(FileDialogMode::Open, existing));
        QVERIFY(!CCalcFileDialog::AcceptName(FileDialogMode::Open, missing));
        QCOMPARE(
            shown.last(),
            QStringLiteral("File \u201Cgone.vcl\u201D is not found.\nVerify the file name and try again."));
        QVERIFY(types.last() == Type(Close));
        QVERIFY(CCalcFileDialog::AcceptName(FileDialogMode::Save, missing));
        QVERIFY(!CCalcFileDialog::AcceptName(FileDialogMode::Save, existing));
        QCOMPARE(shown.last(),
                 QStringLiteral("File \u201Cthere.vcl\u201D already exists.\nDo you wish to overwrite it?"));
        QVERIFY(types.last() == Type(YesNo, Question, DefaultButton::Second));
        answer = IdYes;
        QVERIFY(CCalcFileDialog::AcceptName(FileDialogMode::Save, existing));
        QCOMPARE(shown.size(), 3);
    }

    void a_rejected_name_opens_the_dialog_again() {
        QTemporaryDir directory;
        const QString existing = directory.filePath(QStringLiteral("there.vcl"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const ScopedAnswerer<MessageBoxAnswerer> boxes(SetMessageBoxAnswerer,
                                                       [](const QString&, MessageType) { return int(IdOk); });
        QStringList proposed;
        QStringList answers{directory.filePath(QStringLiteral("typo")), existing};
        const ScopedAnswerer<CCalcFileDialog::Answerer> dialogs(CCalcFileDialog::SetAnswerer,
                                                                [&](const FileDialogRequest& request) {
                                                                    proposed << request.initialName;
                                                                    return answers.takeFirst();
                                                                });
        CCalcFileDialog dialog({FileDialogMode::Open, QString(), QStringLiteral("vcl"), QString(),
                                QStringLiteral("Calculation files (*.vcl)|*.vcl||")},
                               nullptr);
        QCOMPARE(dialog.Run(), existing);
        QCOMPARE(proposed, (QStringList{QString(), directory.filePath(QStringLiteral("typo.vcl"))}));
    }

    void artwork_renders_crisp_at_every_scale() {
        const QDir icons(QStringLiteral(":/icons"));
        const QStringList names = icons.entryList({QStringLiteral("*.svg")});
        QVERIFY(names.size() >= 19);
        for (const QString& name : names) {
            const QIcon icon(icons.filePath(name));
            for (int size : {16, 32, 64}) {
                const QImage image = icon.pixmap(QSize(size, size)).toImage();
                QVERIFY2(image.width() == size, qPrintable(name));
                // Something is drawn, and not everything: the picture has both ink and air.
                int ink = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        ink += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
                QVERIFY2(ink > 0 && ink < size * size, qPrintable(name));
            }
        }
    }

    // Decided by measuring, so the outcome does not hang on which faces fontconfig
    // happens to mark as monospaced on this machine.
    void a_missing_face_falls_back_to_the_bundled_editor_face() {
        const bool bundled = LoadBundledFonts() > 0;
        const QFont font = MonospacedFont(QStringLiteral("No Such Face 7f3a"), 15);
        QCOMPARE(font.pointSize(), 15);
        QVERIFY(HasEqualAdvances(font));
        if (bundled)
            QCOMPARE(font.family(), kDefaultEditorFace);
    }

    void advances_tell_monospaced_from_proportional_faces() {
        QVERIFY(VaFonts::Application().LoadFonts());
        const bool bundled = LoadBundledFonts() > 0;
        const QString proportional = VaFonts::Application().Family(VaFace::Regular);
        QVERIFY(!HasEqualAdvances(QFont(proportional, 12)));
        // A face the user chose stays, monospaced or not.
        QCOMPARE(MonospacedFont(proportional, 12).family(), proportional);
        const QFont first =
            FirstMonospacedFont({QStringLiteral("No Such Face 7f3a"), proportional, kDefaultEditorFace}, 12);
        if (bundled) {
            QVERIFY(HasEqualAdvances(QFont(kDefaultEditorFace, 12)));
            QCOMPARE(first.family(), kDefaultEditorFace);
        }
        QCOMPARE(first.pointSize(), 12);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
