// Saves the picture of every message kind with one and two lines, every button set, the
// about box and the memory pane's buttons, so that they can be looked at; run at 96 and
// at 192 pixels per inch (a device pixel ratio of 2).

#include <QDir>
#include <QTest>

#include "ui/controls/va_button_bitmap.h"
#include "ui/dialogs/calc_about_dialog.h"
#include "ui/dialogs/va_message_dialog.h"
#include "ui/resources/va_fonts.h"

namespace {

QString ShotDirectory() {
    const QString dpi = QString::number(qRound(96 * qApp->devicePixelRatio()));
    const QString path = QStringLiteral(VANTOR_SCREENSHOT_DIR "/") + dpi;
    QDir().mkpath(path);
    return path;
}

void Save(const QImage& picture, const QString& name) {
    QVERIFY2(!picture.isNull(), qPrintable(name));
    const QString path = ShotDirectory() + QLatin1Char('/') + name + QStringLiteral(".png");
    QVERIFY2(picture.save(path), qPrintable(path));
}

} // namespace

class ScreenshotsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(VaFonts::Application().LoadFonts()); }

    void kinds_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("name");
        QTest::newRow("informs") << int(MessageIcon::Information) << "informs";
        QTest::newRow("asks") << int(MessageIcon::Question) << "asks";
        QTest::newRow("warns") << int(MessageIcon::Exclamation) << "warns";
        QTest::newRow("stops") << int(MessageIcon::Stop) << "stops";
    }

    void kinds() {
        QFETCH(int, icon);
        QFETCH(QString, name);
        const MessageType type{MessageButtons::Close, static_cast<MessageIcon>(icon)};
        VaMessageDialog one(QStringLiteral("Cannot open the file for reading."), type, nullptr);
        Save(one.Picture(), name + QStringLiteral("-one-line"));
        VaMessageDialog two(QStringLiteral("Only one cell is selected.\nCalculate for all cells?"), type,
                            nullptr);
        Save(two.Picture(), name + QStringLiteral("-two-lines"));
    }

    void button_sets() {
        for (unsigned set = 0; set <= 6; ++set) {
            VaMessageDialog box(QStringLiteral("Save changes to \u201CCalculation\u201D?"),
                                {static_cast<MessageButtons>(set), MessageIcon::Question}, nullptr);
            Save(box.Picture(), QStringLiteral("buttons-%1").arg(set));
        }
    }

    void about() {
        CCalcAboutDialog about(nullptr);
        Save(about.Picture(), QStringLiteral("about"));
    }

    void memory_buttons() {
        QWidget pane;
        pane.resize(5 * 57, 57);
        const VaImageId images[] = {VaImageId::MemoryFree, VaImageId::MemorySave, VaImageId::MemoryStatistics,
                                    VaImageId::MemoryInvert, VaImageId::MemoryClear};
        int x = 0;
        for (VaImageId image : images) {
            auto* button = new VaButtonBitmap(image, &pane);
            button->setGeometry(x + 2, 2, 52, 52);
            button->setEnabled(image != VaImageId::MemoryClear); // the last one shows the veil
            x += 57;
        }
        pane.setStyleSheet(QStringLiteral("background: #f0f0f0"));
        Save(pane.grab().toImage(), QStringLiteral("memory-buttons"));
    }
};

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_test.moc"
