// The layout arithmetic: the five blocks side by side with the block gap between them,
// the key gaps within, the margin all round, and the keypad's size.

#include <QTest>

#include <cstdlib>

#include "ui/keypad/keypad_font.h"
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

    // Each edge of the template's keys is converted on its own, rounding halves up, so a
    // gap at twice the units is not always twice the gap.
    void spacing_from_dialog_units_data() {
        QTest::addColumn<int>("unitX");
        QTest::addColumn<int>("unitY");
        QTest::addColumn<int>("gapX");
        QTest::addColumn<int>("gapY");
        QTest::addColumn<int>("blockGap");
        QTest::addColumn<int>("margin");
        QTest::newRow("8-point dialog font at 96 dpi") << 6 << 13 << 6 << 3 << 15 << 5;
        QTest::newRow("the same at 192 dpi") << 12 << 26 << 12 << 7 << 30 << 10;
        QTest::newRow("9-point at 120 dpi") << 8 << 16 << 8 << 4 << 20 << 6;
    }

    void spacing_from_dialog_units() {
        QFETCH(int, unitX);
        QFETCH(int, unitY);
        const KeypadSpacing spacing = SpacingFromBaseUnits({unitX, unitY});
        QTEST(spacing.gapX, "gapX");
        QTEST(spacing.gapY, "gapY");
        QTEST(spacing.blockGap, "blockGap");
        QTEST(spacing.margin, "margin");
    }

    void dialog_units_follow_the_font() {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        const DialogBaseUnits small = BaseUnitsOf(QFontMetrics(font));
        font.setPixelSize(22);
        const DialogBaseUnits large = BaseUnitsOf(QFontMetrics(font));
        QVERIFY(small.x >= 5 && small.x <= 8);
        QVERIFY(std::abs(large.x - 2 * small.x) <= 1);
        QVERIFY(std::abs(large.y - 2 * small.y) <= 1);
    }

    // The default keypad font and the dialog font at the screen's pixels per inch, in
    // both notations: every key where the formulas put it.
    void the_default_keypad_at_96_and_192_dpi_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("notation");
        for (int dpi : {96, 192}) {
            QTest::addRow("West at %d dpi", dpi) << dpi << 0;
            QTest::addRow("East at %d dpi", dpi) << dpi << 1;
        }
    }

    void the_default_keypad_at_96_and_192_dpi() {
        QFETCH(int, dpi);
        QFETCH(int, notation);
        const QFontMetrics keypadFont(MakeKeypadFont(DefaultKeypadFont(dpi)));
        QFont dialogFont(QStringLiteral("DejaVu Sans"));
        dialogFont.setPixelSize(11 * dpi / 96);
        const KeypadSpacing spacing = SpacingFromBaseUnits(BaseUnitsOf(QFontMetrics(dialogFont)));
        const KeySizes sizes = MeasureKeys(keypadFont, notation);

        const QString widest = notation != 0 ? QStringLiteral("88arccosec8") : QStringLiteral("88;arcosh8");
        const int w = keypadFont.horizontalAdvance(widest);
        const int h = 8 * keypadFont.height() / 5;
        const int s = std::max(keypadFont.horizontalAdvance(QStringLiteral("*/")), h);
        QCOMPARE(sizes.width, w);
        QCOMPARE(sizes.height, h);
        QCOMPARE(sizes.square, s);

        const int gx = spacing.gapX, gy = spacing.gapY, g = spacing.blockGap, m = spacing.margin;
        const KeypadLayout layout = LayOutKeys(sizes, spacing);
        const int x3 = m + 6 * w + 6 * gx + 2 * g + 2 * s;
        const int d = 2 * s + gx;
        QCOMPARE(RectOf(layout, 1012), QRect(m + 5 * (w + gx), m + (h + gy), w, h));
        QCOMPARE(RectOf(layout, 1042), QRect(m + 5 * (w + gx), m + 6 * (h + gy), w, h));
        QCOMPARE(RectOf(layout, 1049), QRect(m + 6 * w + 5 * gx + g + (s + gx), m + 4 * (h + gy), s, h));
        QCOMPARE(RectOf(layout, 1045), QRect(m + 6 * w + 5 * gx + g, m + (h + gy), s, h));
        QCOMPARE(RectOf(layout, 1069), QRect(x3 + 3 * (s + gx), m + 3 * (h + gy), s, h));
        QCOMPARE(RectOf(layout, 1071), QRect(x3 + d + gx, m + 4 * (h + gy), d, h));
        QCOMPARE(RectOf(layout, 1075), QRect(x3, m + 6 * (h + gy), d, h));
        QCOMPARE(RectOf(layout, 1078), QRect(m + 6 * w + 6 * s + 9 * gx + 3 * g, m + 5 * (h + gy), w, h));
        QCOMPARE(layout.size, QSize(7 * w + 6 * s + 9 * gx + 3 * g + 2 * m, 7 * h + 6 * gy + 2 * m));

        // Neighbouring blocks lie one block gap apart.
        QCOMPARE(RectOf(layout, 1043).left() - RectOf(layout, 1006).right() - 1, g);
        QCOMPARE(RectOf(layout, 1054).left() - RectOf(layout, 1044).right() - 1, g);
        QCOMPARE(RectOf(layout, 1072).left() - RectOf(layout, 1061).right() - 1, g);
        QCOMPARE(RectOf(layout, 1072).left() - RectOf(layout, 1071).right() - 1, g);
    }

    // The keypad scales with the font and the screen; the fonts round to whole pixels (15
    // at 96 dpi, 29 at 192), and so do the key heights.
    void twice_the_pixels_per_inch_give_about_twice_the_keypad() {
        const auto keypadAt = [](int dpi) {
            QFont dialogFont(QStringLiteral("DejaVu Sans"));
            dialogFont.setPixelSize(11 * dpi / 96);
            return LayOutKeys(MeasureKeys(QFontMetrics(MakeKeypadFont(DefaultKeypadFont(dpi))), 1),
                              SpacingFromBaseUnits(BaseUnitsOf(QFontMetrics(dialogFont))))
                .size;
        };
        const QSize at96 = keypadAt(96), at192 = keypadAt(192);
        const double across = double(at192.width()) / at96.width();
        const double down = double(at192.height()) / at96.height();
        QVERIFY2(across > 1.85 && across < 2.1, qPrintable(QString::number(across)));
        QVERIFY2(down > 1.85 && down < 2.1, qPrintable(QString::number(down)));
    }
};

QTEST_MAIN(KeypadLayoutTest)
#include "keypad_layout_test.moc"
