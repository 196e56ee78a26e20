// The four drawings of a key, painted into pictures: what each shows in each state, the
// fallbacks without a theme, and a picture of them all in the test output for a look.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

#include "ui/keypad/button_colors.h"
#include "ui/keypad/button_paint.h"

namespace {

const QSize kKey(90, 27);
const QColor kFace(255, 200, 160);
const QColor kText(128, 0, 0);

enum class State { Normal, Hot, Pressed, Focus, Disabled };

ButtonLook LookIn(State state, const QPalette& palette) {
    ButtonLook look;
    look.text = QStringLiteral("arccos");
    look.font = QFont(QStringLiteral("Arial"));
    look.font.setPixelSize(15);
    look.font.setBold(true);
    look.face = kFace;
    look.textColor = kText;
    look.useSystemFace = false;
    look.useSystemText = false;
    look.palette = palette;
    look.hover = look.insideFace = state == State::Hot;
    look.pressedLook = state == State::Pressed;
    look.focus = state == State::Focus;
    look.hideFocus = false;
    look.disabled = state == State::Disabled;
    return look;
}

QImage Paint(ButtonDrawing drawing, const ButtonLook& look, const QStyle* style) {
    QImage image(kKey, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintButton(painter, kKey, 1.0, drawing, look, ButtonTheme{style, nullptr});
    return image;
}

bool Greenish(QRgb pixel) {
    return qGreen(pixel) > qRed(pixel) + 40 && qGreen(pixel) > qBlue(pixel) + 40;
}

bool Yellowish(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 150;
}

} // namespace

class KeyPaintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QStyle> fusion_{QStyleFactory::create(QStringLiteral("Fusion"))};
    QPalette palette_ = fusion_->standardPalette();

  private slots:
    void every_drawing_covers_the_whole_key() {
        for (ButtonDrawing drawing :
             {ButtonDrawing::Classic, ButtonDrawing::Vantor, ButtonDrawing::XP, ButtonDrawing::Vista}) {
            for (State state : {State::Normal, State::Hot, State::Pressed, State::Focus, State::Disabled}) {
                const QImage image = Paint(drawing, LookIn(state, palette_), fusion_.get());
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x)
                        QVERIFY2(image.pixel(x, y) != QColor(Qt::magenta).rgba(),
                                 qPrintable(QStringLiteral("drawing %1 state %2 leaves (%3, %4)")
                                                .arg(int(drawing))
                                                .arg(int(state))
                                                .arg(x)
                                                .arg(y)));
                }
            }
        }
    }

    void vantor_corners_show_the_system_face() {
        const QImage image = Paint(ButtonDrawing::Vantor, LookIn(State::Normal, palette_), nullptr);
        QCOMPARE(image.pixel(0, 0), palette_.color(QPalette::Button).rgb());
        QCOMPARE(QColor(image.pixel(kKey.width() - 1, kKey.height() - 1)).rgb(),
                 QColor(palette_.color(QPalette::Button)).rgb());
    }

    void vantor_rings_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("darkBackground");
        QTest::addColumn<bool>("green");
        QTest::addColumn<bool>("yellow");
        QTest::newRow("plain on a light background: no ring")
            << int(State::Normal) << false << false << false;
        QTest::newRow("focus: green rings") << int(State::Focus) << false << true << false;
        QTest::newRow("plain on a dark background: faint green rings")
            << int(State::Normal) << true << true << false;
        QTest::newRow("hot on the capsule: yellow rings") << int(State::Hot) << false << false << true;
        QTest::newRow("pressed: yellow rings") << int(State::Pressed) << false << false << true;
    }

    void vantor_rings() {
        QFETCH(int, state);
        QFETCH(bool, darkBackground);
        QFETCH(bool, green);
        QFETCH(bool, yellow);
        QPalette palette = palette_;
        if (darkBackground)
            palette.setColor(QPalette::Button, QColor(40, 40, 40));
        const QImage image = Paint(ButtonDrawing::Vantor, LookIn(State(state), palette), nullptr);
        const int middle = kKey.width() / 2;
        QCOMPARE(Greenish(image.pixel(middle, 1)), green);
        QCOMPARE(Yellowish(image.pixel(middle, 5)), yellow);
    }

    void classic_is_raised_and_pressed_is_flat() {
        const QImage raised = Paint(ButtonDrawing::Classic, LookIn(State::Normal, palette_), nullptr);
        QCOMPARE(raised.pixel(0, 0), palette_.color(QPalette::Light).rgb());
        QCOMPARE(QColor(raised.pixel(kKey.width() - 1, kKey.height() - 1)).rgb(),
                 QColor(palette_.color(QPalette::Shadow)).rgb());
        QCOMPARE(raised.pixel(3, kKey.height() / 2), kFace.rgb());
        const QImage pressed = Paint(ButtonDrawing::Classic, LookIn(State::Pressed, palette_), nullptr);
        QCOMPARE(pressed.pixel(0, 0), kFace.rgb());
        QCOMPARE(pressed.pixel(1, 1), palette_.color(QPalette::Dark).rgb());
    }

    void themed_faces_take_the_key_colours_unless_disabled_data() {
        QTest::addColumn<int>("drawing");
        QTest::newRow("XP") << int(ButtonDrawing::XP);
        QTest::newRow("Vista") << int(ButtonDrawing::Vista);
    }

    void themed_faces_take_the_key_colours_unless_disabled() {
        QFETCH(int, drawing);
        ButtonLook look = LookIn(State::Normal, palette_);
        const QImage peach = Paint(ButtonDrawing(drawing), look, fusion_.get());
        look.face = QColor(0, 90, 200);
        const QImage blue = Paint(ButtonDrawing(drawing), look, fusion_.get());
        QVERIFY(peach != blue);
        const QRgb inside = blue.pixel(kKey.width() / 2, kKey.height() - 6);
        QVERIFY2(qBlue(inside) > qRed(inside), "the lower half is shaded from the key's own face colour");

        // Disabled, the theme draws the whole key, whatever its colours.
        look.disabled = true;
        const QImage disabledBlue = Paint(ButtonDrawing(drawing), look, fusion_.get());
        look.face = kFace;
        QCOMPARE(Paint(ButtonDrawing(drawing), look, fusion_.get()), disabledBlue);
    }

    void a_picture_of_every_drawing_and_state() {
        const int columns = 5, gap = 6;
        QImage sheet(columns * (kKey.width() + gap) + gap, 4 * (kKey.height() + gap) + gap,
                     QImage::Format_ARGB32_Premultiplied);
        sheet.fill(palette_.color(QPalette::Window));
        QPainter painter(&sheet);
        int row = 0;
        for (ButtonDrawing drawing :
             {ButtonDrawing::Classic, ButtonDrawing::Vantor, ButtonDrawing::XP, ButtonDrawing::Vista}) {
            int column = 0;
            for (State state : {State::Normal, State::Hot, State::Pressed, State::Focus, State::Disabled}) {
                const QPoint at(gap + column++ * (kKey.width() + gap), gap + row * (kKey.height() + gap));
                painter.drawImage(at, Paint(drawing, LookIn(state, palette_), fusion_.get()));
            }
            ++row;
        }
        painter.end();
        QDir().mkpath(QStringLiteral(VANTOR_TEST_OUTPUT_DIR));
        QVERIFY(sheet.save(QStringLiteral(VANTOR_TEST_OUTPUT_DIR "/key-drawings.png")));
    }
};

QTEST_MAIN(KeyPaintingTest)
#include "key_painting_test.moc"
