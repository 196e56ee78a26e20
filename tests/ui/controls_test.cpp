// The styled controls: face shades, outlines and regions, sizing arithmetic, the shadow's
// nine pieces, and the press cycles of both buttons and the link.

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>

#include "ui/controls/button_outlines.h"
#include "ui/controls/face_colours.h"
#include "ui/controls/preferred_size.h"
#include "ui/controls/va_button.h"
#include "ui/controls/va_button_bitmap.h"
#include "ui/controls/va_link.h"
#include "ui/controls/va_shadow.h"

Q_DECLARE_METATYPE(QRect)

namespace {

// Receives the addresses the links open instead of the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened << url; }
};

void SendMouse(QWidget* widget, QEvent::Type type, QPoint point, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, point, widget->mapToGlobal(point), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void SendKey(QWidget* widget, QEvent::Type type, bool autoRepeat) {
    QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

  private slots:
    void face_shades_data() {
        QTest::addColumn<QRgb>("face");
        QTest::addColumn<QRgb>("light");
        QTest::addColumn<QRgb>("dark");
        QTest::addColumn<QRgb>("lighter");
        QTest::newRow("black: lightness 0 gives three blacks")
            << qRgb(0, 0, 0) << qRgb(0, 0, 0) << qRgb(0, 0, 0) << qRgb(0, 0, 0);
        QTest::newRow("white: light and lighter stay white")
            << qRgb(255, 255, 255) << qRgb(255, 255, 255) << qRgb(102, 102, 102) << qRgb(255, 255, 255);
        QTest::newRow("dialog grey D8: light capped at white")
            << qRgb(0xD8, 0xD8, 0xD8) << qRgb(255, 255, 255) << qRgb(86, 86, 86) << qRgb(255, 255, 255);
        QTest::newRow("red keeps its hue and saturation")
            << qRgb(255, 0, 0) << qRgb(255, 204, 204) << qRgb(102, 0, 0) << qRgb(255, 255, 255);
        QTest::newRow("dark blue: lightness 0.25 scaled")
            << qRgb(0, 0, 128) << qRgb(0, 0, 230) << qRgb(0, 0, 51) << qRgb(1, 1, 255);
    }

    void face_shades() {
        QFETCH(QRgb, face);
        const FaceShades shades = FaceShadesOf(face);
        QTEST(shades.light, "light");
        QTEST(shades.dark, "dark");
        QTEST(shades.lighter, "lighter");
    }

    void capsule_rings_nest_one_pixel_apart() {
        const ButtonOutlines outlines = CapsuleOutlines(QSize(80, 34));
        for (int k = 0; k < kRingCount; ++k) {
            const QRectF box = outlines.rings[static_cast<std::size_t>(k)].boundingRect();
            QCOMPARE(box.left(), double(k));
            QCOMPARE(box.top(), double(k));
            QCOMPARE(box.right(), 80 - 1.25 - k);
            QCOMPARE(box.bottom(), 34 - 1.0 - k); // the bottom line; the arcs end a quarter pixel higher
        }
        // The highlight lies in the upper half, inside ring 3.
        const QRectF highlight = outlines.highlight.boundingRect();
        QCOMPARE(highlight.top(), 3.0);
        QVERIFY(highlight.bottom() <= 17);
        QVERIFY(highlight.left() >= 3 && highlight.right() <= 77);
    }

    void round_rings_and_highlight() {
        const ButtonOutlines outlines = RoundOutlines(QSize(52, 52));
        QCOMPARE(outlines.rings[0].boundingRect(), QRectF(0, 0, 51, 51));
        QCOMPARE(outlines.rings[9].boundingRect(), QRectF(9, 9, 33, 33));
        // q = 11, e = 22: the ellipse at (14, 4), 23 wide and 23 high.
        QCOMPARE(outlines.highlight.boundingRect(), QRectF(14, 4, 23, 23));
    }

    void regions_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        const int capsule = int(ButtonShape::Capsule);
        const int round = int(ButtonShape::Round);
        QTest::newRow("capsule middle") << capsule << QPoint(40, 17) << true;
        QTest::newRow("capsule round end") << capsule << QPoint(5, 17) << true;
        QTest::newRow("capsule corner outside the round end") << capsule << QPoint(4, 4) << false;
        QTest::newRow("capsule's 3-pixel rim") << capsule << QPoint(40, 1) << false;
        QTest::newRow("circle centre") << round << QPoint(26, 26) << true;
        QTest::newRow("circle corner") << round << QPoint(8, 8) << false;
        QTest::newRow("circle top") << round << QPoint(26, 4) << true;
    }

    void regions() {
        QFETCH(int, shape);
        QFETCH(QPoint, point);
        const QSize size = shape == int(ButtonShape::Capsule) ? QSize(80, 34) : QSize(52, 52);
        QTEST(InButtonRegion(static_cast<ButtonShape>(shape), point, size), "inside");
    }

    void preferred_sizes() {
        // 1.9 line heights of room beside the text; 2.1 times the size in height.
        QCOMPARE(ButtonPreferredSize(QRectF(0, -16.2, 28.3, 21.8), 96, 12), QSize(70, 33));
        QCOMPARE(ButtonPreferredSize(QRectF(1.5, -16.2, 28.3, 21.8), 96, 12), QSize(70, 33));
        QCOMPARE(ButtonPreferredSize(QRectF(0, -32.4, 56.6, 43.6), 192, 12), QSize(139, 67));
        QCOMPARE(TextPreferredSize(QRectF(0, -17, 10.0, 20.0)), QSize(10, 20));
        QCOMPARE(TextPreferredSize(QRectF(0, -17, 10.2, 20.0002)), QSize(11, 21));
    }

    void picture_button_image_place() {
        QCOMPARE(ButtonImageRect(QSize(52, 52)), QRect(10, 10, 32, 32));
        QCOMPARE(ButtonImageRect(QSize(104, 104)), QRect(18, 18, 68, 68));
    }

    void shadow_pieces_data() {
        QTest::addColumn<int>("piece");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<QRect>("source");
        QTest::newRow("top left: the 82-pixel corner scaled to 43")
            << 0 << QRect(0, 0, 43, 43) << QRect(0, 0, 82, 82);
        QTest::newRow("top right") << 1 << QRect(357, 0, 43, 43) << QRect(86, 0, 82, 82);
        QTest::newRow("bottom right") << 2 << QRect(357, 257, 43, 43) << QRect(86, 86, 82, 82);
        QTest::newRow("bottom left") << 3 << QRect(0, 257, 43, 43) << QRect(0, 86, 82, 82);
        QTest::newRow("top edge stretches the 4-pixel middle")
            << 4 << QRect(43, 0, 314, 43) << QRect(82, 0, 4, 82);
        QTest::newRow("bottom edge") << 5 << QRect(43, 257, 314, 43) << QRect(82, 86, 4, 82);
        QTest::newRow("left edge") << 6 << QRect(0, 43, 43, 214) << QRect(0, 82, 82, 4);
        QTest::newRow("right edge") << 7 << QRect(357, 43, 43, 214) << QRect(86, 82, 82, 4);
        QTest::newRow("centre") << 8 << QRect(43, 43, 314, 214) << QRect(82, 82, 4, 4);
    }

    void shadow_pieces() {
        QFETCH(int, piece);
        const auto pieces = ShadowPieces(QSize(400, 300), QSize(43, 43), 168);
        QTEST(pieces[static_cast<std::size_t>(piece)].target, "target");
        QTEST(pieces[static_cast<std::size_t>(piece)].source, "source");
    }

    void mnemonic_text() {
        QCOMPARE(WithoutMnemonic(QStringLiteral("&Yes")), QStringLiteral("Yes"));
        QCOMPARE(WithoutMnemonic(QStringLiteral("Fish && &Chips")), QStringLiteral("Fish & Chips"));
        QCOMPARE(WithoutMnemonic(QStringLiteral("OK")), QStringLiteral("OK"));
    }

    void press_cycles_data() {
        QTest::addColumn<bool>("round");
        QTest::newRow("capsule button") << false;
        QTest::newRow("picture button") << true;
    }

    // A press outside the region takes the focus only; a release outside sends nothing;
    // moving back in before releasing presses again; a double click is two clicks.
    void press_cycles() {
        QFETCH(bool, round);
        QWidget window;
        window.resize(200, 100);
        QAbstractButton* button = nullptr;
        if (round)
            button = new VaButtonBitmap(VaImageId::MemoryFree, &window);
        else
            button = new VaButton(QStringLiteral("&Yes"), &window);
        button->setGeometry(10, 10, round ? 52 : 80, round ? 52 : 34);
        auto* other = new QWidget(&window);
        other->setFocusPolicy(Qt::StrongFocus);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        other->setFocus();
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        const QPoint corner(2, 2);
        const QPoint middle = button->rect().center();

        QTest::mousePress(button, Qt::LeftButton, {}, corner);
        QVERIFY(button->hasFocus());
        QVERIFY(!button->isDown());
        QTest::mouseRelease(button, Qt::LeftButton, {}, corner);
        QCOMPARE(clicks.size(), 0);

        QTest::mousePress(button, Qt::LeftButton, {}, middle);
        QVERIFY(button->isDown());
        QTest::mouseMove(button, corner);
        QTRY_VERIFY(!button->isDown());
        QTest::mouseMove(button, middle);
        QTRY_VERIFY(button->isDown());
        QTest::mouseMove(button, corner);
        QTest::mouseRelease(button, Qt::LeftButton, {}, corner);
        QCOMPARE(clicks.size(), 0);

        QTest::mouseClick(button, Qt::LeftButton, {}, middle);
        QCOMPARE(clicks.size(), 1);
        // The second press of a double click comes as a press and a double-click event.
        SendMouse(button, QEvent::MouseButtonPress, middle, Qt::LeftButton);
        SendMouse(button, QEvent::MouseButtonDblClick, middle, Qt::LeftButton);
        SendMouse(button, QEvent::MouseButtonRelease, middle, Qt::NoButton);
        QCOMPARE(clicks.size(), 2);
    }

    void space_bar_held_sends_one_command() {
        QWidget window;
        auto* button = new VaButton(QStringLiteral("&No"), &window);
        button->setGeometry(10, 10, 80, 34);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setFocus();
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        SendKey(button, QEvent::KeyPress, false);
        QVERIFY(button->isDown());
        for (int repeat = 0; repeat < 3; ++repeat) {
            SendKey(button, QEvent::KeyRelease, true);
            SendKey(button, QEvent::KeyPress, true);
        }
        QCOMPARE(clicks.size(), 0);
        SendKey(button, QEvent::KeyRelease, false);
        QCOMPARE(clicks.size(), 1);
        QVERIFY(!button->isDown());
    }

    void hot_follows_the_region_under_the_pointer() {
        QWidget window;
        auto* button = new VaButton(QStringLiteral("&Yes"), &window);
        button->setGeometry(10, 10, 80, 34);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SendMouse(button, QEvent::MouseMove, QPoint(40, 17), Qt::NoButton);
        QVERIFY(button->IsHot());
        SendMouse(button, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton); // a corner outside the capsule
        QVERIFY(!button->IsHot());
        SendMouse(button, QEvent::MouseMove, QPoint(40, 17), Qt::NoButton);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QVERIFY(!button->IsHot());
    }

    void disabled_picture_button_shows_the_veil_and_no_press() {
        QWidget window;
        window.resize(60, 60);
        auto* button = new VaButtonBitmap(VaImageId::MemorySave, &window);
        button->setGeometry(0, 0, 52, 52);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage enabled = button->grab().toImage();
        button->setEnabled(false);
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(26, 26));
        QCOMPARE(clicks.size(), 0);
        const QImage disabled = button->grab().toImage();
        // The veil lightens the face, and the corners outside it stay as they were.
        QVERIFY(qGray(disabled.pixel(26, 40)) > qGray(enabled.pixel(26, 40)));
        QCOMPARE(disabled.pixel(1, 1), enabled.pixel(1, 1));
    }

    void link_opens_its_address_unless_disabled() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
        QWidget window;
        auto* link = new VaLink(QStringLiteral("Support"),
                                QUrl(QStringLiteral("https://example.invalid/help")), &window);
        link->setGeometry(10, 10, 80, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(catcher.opened.size(), 1);
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(catcher.opened.size(), 2);
        link->setEnabled(false);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, 12));
        QCOMPARE(catcher.opened.size(), 2);
        QCOMPARE(catcher.opened.front(), QUrl(QStringLiteral("https://example.invalid/help")));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
