// The layout arithmetic: the five blocks side by side with the block gap between them,
// the key gaps within, the margin all round, and the keypad's size.

#include <QTest>

#include "ui/keypad/keypad_layout.h"

namespace {

QRect RectOf(const KeypadLayout& layout, int id) {
    return layout.keys[static_cast<size_t>(KeyIndex(id))];
}

// W 80, H 24, S 30; gaps 6 across and 3 down, block gap 15, margin 5.
const KeySizes kSizes{80, 24, 30};
const KeypadSpacing kSpacing{6, 3, 15, 5};

} // namespace

class KeypadLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void key_rectangles_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("first function key at the margin") << 1001 << QRect(5, 5, 80, 24);
        QTest::newRow("function key in row 1, column 1") << 1008 << QRect(91, 32, 80, 24);
        QTest::newRow("last function key") << 1042 << QRect(435, 167, 80, 24);
        QTest::newRow("pi one block gap right of the functions") << 1043 << QRect(530, 5, 30, 24);
        QTest::newRow("imaginary unit alone in row 1") << 1045 << QRect(530, 32, 30, 24);
        QTest::newRow("comment end in row 6") << 1053 << QRect(566, 167, 30, 24);
        QTest::newRow("plus starts the digits block") << 1054 << QRect(611, 5, 30, 24);
        QTest::newRow("statement end ends it") << 1069 << QRect(719, 86, 30, 24);
        QTest::newRow("calculate, two keys wide, in row 4") << 1070 << QRect(611, 113, 66, 24);
        QTest::newRow("calculate all beside it") << 1071 << QRect(683, 113, 66, 24);
        QTest::newRow("clear in row 6") << 1074 << QRect(683, 167, 66, 24);
        QTest::newRow("enter heads the last block") << 1072 << QRect(764, 5, 80, 24);
        QTest::newRow("previous result after the gap in row 2") << 1076 << QRect(764, 86, 80, 24);
        QTest::newRow("memory at the bottom") << 1079 << QRect(764, 167, 80, 24);
    }

    void key_rectangles() {
        QFETCH(int, id);
        QFETCH(QRect, rect);
        QCOMPARE(RectOf(LayOutKeys(kSizes, kSpacing), id), rect);
    }

    void the_keypad_holds_every_key_with_the_margin_round_it() {
        const KeypadLayout layout = LayOutKeys(kSizes, kSpacing);
        QCOMPARE(layout.size, QSize(7 * 80 + 6 * 30 + 9 * 6 + 3 * 15 + 2 * 5, 7 * 24 + 6 * 3 + 2 * 5));
        QRect all;
        for (const QRect& rect : layout.keys)
            all |= rect;
        QCOMPARE(all, QRect(QPoint(0, 0), layout.size).adjusted(5, 5, -5, -5));
        for (size_t i = 0; i < layout.keys.size(); ++i) {
            for (size_t j = i + 1; j < layout.keys.size(); ++j)
                QVERIFY2(!layout.keys[i].intersects(layout.keys[j]),
                         qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
        }
    }

    void the_measuring_text_follows_the_notation() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(15);
        const QFontMetrics metrics(font);
        const KeySizes west = MeasureKeys(metrics, 0);
        const KeySizes east = MeasureKeys(metrics, 1);
        QCOMPARE(west.width, metrics.horizontalAdvance(QStringLiteral("88;arcosh8")));
        QCOMPARE(east.width, metrics.horizontalAdvance(QStringLiteral("88arccosec8")));
        QVERIFY(east.width > west.width);
        QCOMPARE(east.height, 8 * metrics.height() / 5);
        QCOMPARE(east.square, std::max(metrics.horizontalAdvance(QStringLiteral("*/")), east.height));
    }

    void spacing_grows_with_the_dialog_font() {
        QFont small(QStringLiteral("DejaVu Sans"));
        small.setPixelSize(11);
        QFont large = small;
        large.setPixelSize(22);
        const KeypadSpacing a = SpacingFromDialogFont(QFontMetrics(small));
        const KeypadSpacing b = SpacingFromDialogFont(QFontMetrics(large));
        QVERIFY(a.gapX > 0 && a.gapY > 0 && a.margin > 0);
        // The block gap is 10 units across, the key gap 4.
        QVERIFY(a.blockGap >= 2 * a.gapX);
        QVERIFY(b.gapX > a.gapX && b.blockGap > a.blockGap && b.margin > a.margin);
    }
};

QTEST_MAIN(KeypadLayoutTest)
#include "keypad_layout_test.moc"
