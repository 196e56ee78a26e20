// The dialogs' geometry from the pixels per inch: caption, icon, close button, corners,
// shadow margins, and the message and about layouts.

#include <QTest>

#include "ui/dialogs/dialog_geometry.h"
#include "ui/dialogs/message_kinds.h"

Q_DECLARE_METATYPE(QRect)

class DialogGeometryTest : public QObject {
    Q_OBJECT

  private slots:
    void caption_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("height");
        QTest::addColumn<QRect>("icon");
        QTest::addColumn<int>("close");
        QTest::addColumn<int>("radius");
        QTest::addColumn<QSize>("margins");
        QTest::addColumn<int>("drop");
        QTest::newRow("96: caption 34, icon 24, close 18, radius 11, margins 43")
            << 96 << 34 << QRect(6, 7, 24, 24) << 18 << 11 << QSize(43, 43) << 18;
        QTest::newRow("144: odd caption 51 takes an odd icon 37 and close 25")
            << 144 << 51 << QRect(8, 9, 37, 37) << 25 << 16 << QSize(64, 64) << 28;
        QTest::newRow("192: caption 68, icon 48, close 34")
            << 192 << 68 << QRect(11, 12, 48, 48) << 34 << 21 << QSize(85, 85) << 37;
    }

    void caption() {
        QFETCH(int, dpi);
        const CaptionGeometry caption = CaptionGeometryFor(dpi);
        QTEST(caption.height, "height");
        QTEST(caption.icon, "icon");
        QTEST(caption.closeDiameter, "close");
        QTEST(caption.cornerRadius, "radius");
        const QSize margins = ShadowMargins(dpi, dpi);
        QTEST(margins, "margins");
        QTEST(ShadowDrop(margins), "drop");
    }

    void close_button_sits_at_the_right_end_of_the_caption() {
        const CaptionGeometry caption = CaptionGeometryFor(96);
        QCOMPARE(CloseButtonRect(caption, 300), QRect(300 - 8 - 18, 10, 18, 18));
    }

    void circles_are_measured_between_pixel_centres() {
        const QRect square(10, 10, 18, 18);
        QVERIFY(InCircle(QPoint(18, 18), square));
        QVERIFY(InCircle(QPoint(10, 18), square));  // the left edge's middle
        QVERIFY(!InCircle(QPoint(10, 10), square)); // the corner
        QVERIFY(!InCircle(QPoint(28, 18), square)); // just outside
    }

    void message_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("line2");
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("image");
        QTest::addColumn<QPoint>("line1");
        QTest::addColumn<QPoint>("firstButton");
        QTest::addColumn<QPoint>("secondButton");
        // Line 1 is 200 x 24, the buttons 69 x 34 and 60 x 34 (both become 69 wide).
        QTest::newRow("96, asks, one line: picture 165 wide, text decides the width")
            << 96 << int(MessageKind::Asks) << -1 << QSize(276, 375) << QRect(55, 74, 165, 156)
            << QPoint(38, 260) << QPoint(60, 320) << QPoint(147, 320);
        QTest::newRow("96, asks, two lines: everything below line 1 drops by L = 30")
            << 96 << int(MessageKind::Asks) << 120 << QSize(276, 405) << QRect(55, 74, 165, 156)
            << QPoint(38, 260) << QPoint(60, 350) << QPoint(147, 350);
        QTest::newRow("96, informs: picture 156 wide")
            << 96 << int(MessageKind::Informs) << -1 << QSize(276, 375) << QRect(60, 74, 156, 156)
            << QPoint(38, 260) << QPoint(60, 320) << QPoint(147, 320);
        QTest::newRow("144, warns: picture 247 wide sets the width")
            << 144 << int(MessageKind::Warns) << -1
            << QSize(247 + 108 + 4, 51 + 45 + 234 + 54 + 4 + 24 + 34 + 54 + 31)
            << QRect(56, 54 + 51 + 4, 247, 234) << QPoint(79, 51 + 45 + 234 + 54 + 4) << QPoint(97, 466)
            << QPoint(97 + 69 + 27, 466);
        QTest::newRow("192, stops: picture 312 wide")
            << 192 << int(MessageKind::Stops) << -1
            << QSize(312 + 144 + 4, 68 + 60 + 312 + 72 + 4 + 24 + 34 + 72 + 42)
            << QRect(74, 72 + 68 + 4, 312, 312) << QPoint(130, 516) << QPoint(143, 612)
            << QPoint(143 + 69 + 36, 612);
    }

    void message() {
        QFETCH(int, dpi);
        QFETCH(int, kind);
        QFETCH(int, line2);
        MessageLayoutInput input{.dpiX = dpi,
                                 .dpiY = dpi,
                                 .captionHeight = CaptionGeometryFor(dpi).height,
                                 .kind = static_cast<MessageKind>(kind),
                                 .line1 = QSize(200, 24),
                                 .line2Width = line2,
                                 .buttons = {QSize(69, 34), QSize(60, 34)}};
        const MessageLayout layout = LayOutMessage(input);
        QTEST(layout.frame, "frame");
        QTEST(layout.image, "image");
        QTEST(layout.line1, "line1");
        QCOMPARE(layout.button, QSize(69, 34));
        QCOMPARE(layout.buttons.size(), std::size_t(2));
        QTEST(layout.buttons[0], "firstButton");
        QTEST(layout.buttons[1], "secondButton");
        if (line2 >= 0)
            QCOMPARE(layout.line2,
                     QPoint((layout.frame.width() - line2) / 2, layout.line1.y() + 5 * dpi / 16));
    }

    void a_wide_row_of_buttons_widens_the_box() {
        const MessageLayout layout =
            LayOutMessage({.kind = MessageKind::Informs,
                           .line1 = QSize(50, 24),
                           .buttons = {QSize(90, 34), QSize(70, 34), QSize(80, 34)}});
        // Three buttons of 90 and two gaps of 18.
        QCOMPARE(layout.frame.width(), 3 * 90 + 2 * 18 + 76);
        QCOMPARE(layout.buttons[0].x(), 38);
        QCOMPARE(layout.buttons[2].x(), 38 + 2 * (90 + 18));
    }

    void about_data() {
        QTest::addColumn<int>("notice");
        QTest::addColumn<int>("width");
        QTest::newRow("lines narrower than the product name's 7/4: 245 wide") << 160 << 245;
        QTest::newRow("a wider line widens the box to fit it with margins") << 300 << 376;
    }

    void about() {
        QFETCH(int, notice);
        QFETCH(int, width);
        const AboutLayout layout = LayOutAbout({.dpiX = 96,
                                                .captionHeight = 34,
                                                .productName = QSize(140, 24),
                                                .lineWidths = {150, 120, 60, notice},
                                                .button = QSize(90, 34)});
        QCOMPARE(layout.frame, QSize(width, 526));
        QCOMPARE(layout.logo, QRect((width - 157) / 2, 78, 157, 157));
        const QList<int> ys{268, 302, 336, 370, 404};
        QCOMPARE(layout.lines.size(), std::size_t(5));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(layout.lines[static_cast<std::size_t>(i)].y(), ys[i]);
        QCOMPARE(layout.lines[0].x(), (width - 140) / 2);
        QCOMPARE(layout.lines[4].x(), (width - notice) / 2);
        QCOMPARE(layout.button, QPoint((width - 90) / 2, 468));
    }
};

QTEST_APPLESS_MAIN(DialogGeometryTest)
#include "dialog_geometry_test.moc"
