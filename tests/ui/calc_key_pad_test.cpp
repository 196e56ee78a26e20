// The keypad as a user meets it: keys clicked with the mouse send their texts and
// commands to the receiver in the chosen notation, captions follow the preferences, and
// the look chosen from the menu is kept in the settings.

#include <QAction>
#include <QMouseEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "tests/support/scoped_answerer.h"
#include "ui/dialogs/calc_color_dialog.h"
#include "ui/dialogs/calc_font_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/help/help_request.h"
#include "ui/keypad/calc_key_pad.h"
#include "ui/keypad/color_button.h"

namespace {

class RecordingReceiver : public ICmdReceiver {
  public:
    void ReceiveCommand(std::int32_t code) override { sent << QStringLiteral("command %1").arg(code); }
    void ReceiveText(std::u16string_view text) override {
        sent << QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
    }
    QStringList sent;
};

// Settings in a folder of their own; every message box is recorded and answered OK.
class KeypadFixture {
  public:
    KeypadFixture() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory_.path());
    }

    void Open() {
        keypad = std::make_unique<CCalcKeyPad>([this] { return preferences; });
        keypad->receiver = &receiver;
        keypad->show();
    }
    void Reopen() {
        keypad.reset();
        Open();
    }
    void Store(const QString& key, const QVariant& value) {
        QSettings().setValue(QStringLiteral("GUI/Keypad/") + key, value);
    }
    QVariant Stored(const QString& key) const {
        return QSettings().value(QStringLiteral("GUI/Keypad/") + key);
    }

    CColorButton* Key(int id) const { return keypad->Button(id); }
    // Clicks the middle of the key, on its capsule.
    void Click(int id) { QTest::mouseClick(Key(id), Qt::LeftButton, {}, Key(id)->rect().center()); }

    QTemporaryDir directory_;
    KeypadPreferences preferences;
    RecordingReceiver receiver;
    QStringList messages;
    const ScopedAnswerer<MessageBoxAnswerer> boxes{SetMessageBoxAnswerer,
                                                   [this](const QString& text, MessageType) {
                                                       messages << text;
                                                       return static_cast<int>(IdOk);
                                                   }};
    std::unique_ptr<CCalcKeyPad> keypad;
};

// Counts the paintings of the keys it watches.
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted << watched->objectName();
        return false;
    }
    QStringList painted;
};

} // namespace

class CalcKeyPadTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void clicked_keys_send_their_texts_and_commands() {
        KeypadFixture f;
        f.Open();
        for (int id : {1001, 1055, 1056, 1035, 1078, 1070, 1074})
            f.Click(id);
        QTRY_COMPARE(f.receiver.sent,
                     (QStringList{"sin(", "\u2212", "*", "rand", "->mem[", "command 2", "command 0"}));
    }

    void notation_changes_captions_texts_and_width() {
        KeypadFixture f;
        f.Open();
        f.keypad->RefreshCaptions();
        QCOMPARE(f.Key(1005)->text(), QStringLiteral("tan"));
        const int westWidth = f.keypad->width();
        f.Click(1005);
        QTRY_COMPARE(f.receiver.sent, QStringList{"tan("});

        QSignalSpy resized(f.keypad.get(), &CCalcKeyPad::dialogSizeChanged);
        f.preferences.notation = 1;
        f.keypad->RefreshCaptions();
        QCOMPARE(f.Key(1005)->text(), QStringLiteral("tg"));
        QVERIFY(f.keypad->width() > westWidth);
        QCOMPARE(resized.size(), 1);
        f.Click(1005);
        QTRY_COMPARE(f.receiver.sent, (QStringList{"tan(", "tg("}));
    }

    void gamma_and_imaginary_unit_follow_the_preferences() {
        KeypadFixture f;
        f.Open();
        f.preferences.gamma = true;
        f.preferences.imaginaryJ = true;
        f.keypad->RefreshCaptions();
        QCOMPARE(f.Key(1018)->text(), QStringLiteral("\u0393"));
        QCOMPARE(f.Key(1018)->ContextHelpId(), 0x80660438u);
        QCOMPARE(f.Key(1045)->text(), QStringLiteral("j"));
        f.preferences.notation = 1;
        f.keypad->RefreshCaptions();
        QCOMPARE(f.Key(1018)->text(), QStringLiteral("\u0393"));
        f.Click(1018);
        f.Click(1045);
        QTRY_COMPARE(f.receiver.sent, (QStringList{"\u0393(", "j"}));
        // The press reads the preference as it is then, not the caption.
        f.preferences.gamma = false;
        f.Click(1018);
        QTRY_COMPARE(f.receiver.sent, (QStringList{"\u0393(", "j", "fact("}));
    }

    void a_double_click_inserts_twice() {
        KeypadFixture f;
        f.Open();
        CColorButton* one = f.Key(1059);
        const QPoint middle = one->rect().center();
        QTest::mousePress(one, Qt::LeftButton, {}, middle);
        QTest::mouseRelease(one, Qt::LeftButton, {}, middle);
        QMouseEvent second(QEvent::MouseButtonDblClick, middle, one->mapToGlobal(middle), Qt::LeftButton,
                           Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(one, &second);
        QTest::mouseRelease(one, Qt::LeftButton, {}, middle);
        QTRY_COMPARE(f.receiver.sent, (QStringList{"1", "1"}));
    }

    void only_the_capsule_counts_in_the_vantor_style() {
        KeypadFixture f;
        f.Open();
        const QPoint corner(1, 1);
        QTest::mouseClick(f.Key(1001), Qt::LeftButton, {}, corner);
        QTest::qWait(20);
        QVERIFY(f.receiver.sent.isEmpty());
        QVERIFY(f.Key(1001)->hasFocus());
        f.keypad->SetStyle(KeypadStyle::XP, true);
        QTest::mouseClick(f.Key(1001), Qt::LeftButton, {}, corner);
        QTRY_COMPARE(f.receiver.sent, QStringList{"sin("});
    }

    void keys_without_a_receiver_do_nothing() {
        KeypadFixture f;
        f.Open();
        f.keypad->receiver = nullptr;
        f.Click(1070);
        QTest::qWait(20);
        QVERIFY(f.receiver.sent.isEmpty());
    }

    void space_and_enter_press_the_focused_key() {
        KeypadFixture f;
        f.Open();
        f.Key(1060)->setFocus();
        QTest::keyClick(f.Key(1060), Qt::Key_Space);
        QTest::keyClick(f.Key(1060), Qt::Key_Return);
        QTRY_COMPARE(f.receiver.sent, (QStringList{"2", "2"}));
    }

    // The space bar presses on its way down and completes on its way up; a held key's
    // repeats press nothing more.
    void the_space_bar_presses_once_however_long_it_is_held() {
        KeypadFixture f;
        f.Open();
        CColorButton* seven = f.Key(1065);
        seven->setFocus();
        QTest::keyPress(seven, Qt::Key_Space);
        QVERIFY(seven->isDown());
        for (int repeat = 0; repeat < 3; ++repeat) {
            QKeyEvent again(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
            QApplication::sendEvent(seven, &again);
        }
        QTest::qWait(20);
        QVERIFY(f.receiver.sent.isEmpty());
        QTest::keyRelease(seven, Qt::Key_Space);
        QTRY_COMPARE(f.receiver.sent, QStringList{"7"});
        QVERIFY(!seven->isDown());
        QTest::qWait(20);
        QCOMPARE(f.receiver.sent.size(), 1);
    }

    // X11 repeats a held key as a release and a press of the same moment.
    void a_held_space_bar_repeated_by_x11_presses_once() {
        KeypadFixture f;
        f.Open();
        CColorButton* seven = f.Key(1065);
        seven->setFocus();
        const auto send = [seven](QEvent::Type type, ulong at) {
            QKeyEvent event(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            event.setTimestamp(at);
            QApplication::sendEvent(seven, &event);
        };
        send(QEvent::KeyPress, 100);
        for (ulong at : {700, 740, 780}) {
            send(QEvent::KeyRelease, at);
            send(QEvent::KeyPress, at);
            QVERIFY(seven->isDown());
        }
        QTest::qWait(60);
        QVERIFY(f.receiver.sent.isEmpty());
        send(QEvent::KeyRelease, 900);
        QTRY_COMPARE(f.receiver.sent, QStringList{"7"});
        // Two quick presses of the bar are two presses.
        send(QEvent::KeyPress, 1000);
        send(QEvent::KeyRelease, 1010);
        send(QEvent::KeyPress, 1020);
        send(QEvent::KeyRelease, 1030);
        QTRY_COMPARE(f.receiver.sent, (QStringList{"7", "7", "7"}));
    }

    void tab_moves_through_the_keys_in_their_order() {
        KeypadFixture f;
        f.Open();
        f.keypad->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.keypad.get()));
        f.Key(1042)->setFocus();
        QVERIFY(f.Key(1042)->hasFocus());
        QTest::keyClick(f.Key(1042), Qt::Key_Tab);
        QVERIFY(f.Key(1043)->hasFocus());
        QTest::keyClick(f.Key(1043), Qt::Key_Backtab);
        QVERIFY(f.Key(1042)->hasFocus());
    }

    // Hovering shows on the capsule only; leaving takes it away again.
    void hovering_follows_enter_and_leave() {
        KeypadFixture f;
        f.Open();
        CColorButton* key = f.Key(1061);
        const QImage plain = key->grab().toImage();
        QEnterEvent onCorner(QPointF(1, 1), key->mapToGlobal(QPointF(1, 1)), key->mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(key, &onCorner);
        QCOMPARE(key->grab().toImage(), plain);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(key, &leave);
        const QPointF middle = key->rect().center();
        QEnterEvent onCapsule(middle, key->mapToGlobal(middle), key->mapToGlobal(middle));
        QApplication::sendEvent(key, &onCapsule);
        QVERIFY(key->grab().toImage() != plain);
        QApplication::sendEvent(key, &leave);
        QCOMPARE(key->grab().toImage(), plain);
    }

    // F1 on a key, or a click in the context help mode, asks for the key's topic.
    void help_is_asked_for_the_key_under_the_focus() {
        KeypadFixture f;
        f.Open();
        QList<std::uint32_t> requested;
        const ScopedAnswerer<HelpHandler> help(SetHelpHandler, [&](std::uint32_t id) { requested << id; });
        // The window's own F1 must not take the key.
        QAction windowHelp(f.keypad.get());
        windowHelp.setShortcut(Qt::Key_F1);
        f.keypad->addAction(&windowHelp);
        QSignalSpy windowHelpRan(&windowHelp, &QAction::triggered);
        f.keypad->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.keypad.get()));
        f.Key(1001)->setFocus();
        QTest::keyClick(f.Key(1001), Qt::Key_F1);
        f.preferences.gamma = true;
        f.keypad->RefreshCaptions();
        f.Key(1018)->setFocus();
        QTest::keyClick(f.Key(1018), Qt::Key_F1);
        QHelpEvent whatsThis(QEvent::WhatsThis, QPoint(2, 2), f.Key(1079)->mapToGlobal(QPoint(2, 2)));
        QEvent query(QEvent::QueryWhatsThis);
        QApplication::sendEvent(f.Key(1079), &query);
        QVERIFY(query.isAccepted());
        QApplication::sendEvent(f.Key(1079), &whatsThis);
        QCOMPARE(requested, (QList<std::uint32_t>{0x806603E9u, 0x80660438u, 0x80660000u + 1079u}));
        QCOMPARE(windowHelpRan.size(), 0);
        QCOMPARE(f.Key(1018)->accessibleName(), QStringLiteral("Gamma function"));
    }

    void ctrl_shift_k_does_nothing_inside_the_keypad() {
        KeypadFixture f;
        f.Open();
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::sendEvent(f.Key(1001), &override);
        QVERIFY(override.isAccepted());
        QKeyEvent other(QEvent::ShortcutOverride, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::sendEvent(f.Key(1001), &other);
        QVERIFY(!other.isAccepted());
    }

    void the_look_is_written_when_the_keypad_goes() {
        KeypadFixture f;
        f.Store(QStringLiteral("Style"), 7);
        f.Store(QStringLiteral("ColorDigit"), 255);
        f.Open();
        QCOMPARE(f.keypad->Look().style, KeypadStyle::Vantor);
        QCOMPARE(f.Key(1059)->FaceColor(), QColor(255, 0, 0));
        QVERIFY(!f.Key(1059)->UsesSystemFace());
        f.keypad.reset();
        QCOMPARE(f.Stored(QStringLiteral("Style")).toInt(), 1);
        QCOMPARE(f.Stored(QStringLiteral("ColorDigit")).toInt(), 255);
        QCOMPARE(f.Stored(QStringLiteral("FontFace")).toString(), QStringLiteral("Arial"));
        QCOMPARE(f.Stored(QStringLiteral("FontWeight")).toInt(), 800);
        QCOMPARE(f.Stored(QStringLiteral("FontSize")).toInt(), DefaultKeypadFont(96).height);
    }

    void stored_2000_style_checks_vista_while_themed_and_is_kept() {
        KeypadFixture f;
        QApplication::setStyle(QStringLiteral("Fusion"));
        f.Store(QStringLiteral("Style"), 0);
        f.Open();
        QCOMPARE(f.keypad->EffectiveStyle(), KeypadStyle::Vista);
        QVERIFY(f.keypad->LookCommandState(CommandId::KeypadStyleVista).checked);
        QVERIFY(!f.keypad->LookCommandState(CommandId::KeypadStyle2000).enabled);
        f.Key(1001)->grab();
        QCOMPARE(f.Key(1001)->Drawing(), ButtonDrawing::Vista);

        // Switching the theme off takes effect at the keys' next paint.
        QApplication::setStyle(QStringLiteral("Windows"));
        f.Key(1001)->grab();
        QCOMPARE(f.Key(1001)->Drawing(), ButtonDrawing::Classic);
        QVERIFY(f.keypad->LookCommandState(CommandId::KeypadStyle2000).checked);
        QVERIFY(!f.keypad->LookCommandState(CommandId::KeypadStyleXP).enabled);
        f.keypad.reset();
        QCOMPARE(f.Stored(QStringLiteral("Style")).toInt(), 0);
        QApplication::setStyle(QStringLiteral("Fusion"));
    }

    void a_font_that_cannot_be_made_gives_the_default_with_a_message() {
        KeypadFixture f;
        f.Store(QStringLiteral("FontFace"), QString(40, QLatin1Char('x')));
        f.Open();
        QCOMPARE(f.messages, QStringList{"Cannot load the selected font.\nUsing default font."});
        QVERIFY(f.keypad->FontMarks().defaultFont);
        QCOMPARE(f.keypad->Look().font, DefaultKeypadFont(f.keypad->logicalDpiY()));
    }

    void the_dialog_font_checks_the_system_item() {
        KeypadFixture f;
        f.Open();
        QVERIFY(f.keypad->LookCommandState(CommandId::KeypadFontDefault).checked);
        const int wide = f.keypad->width();
        f.keypad->RunLookCommand(CommandId::KeypadFontSystem);
        QVERIFY(f.keypad->LookCommandState(CommandId::KeypadFontSystem).checked);
        QVERIFY(!f.keypad->LookCommandState(CommandId::KeypadFontDefault).checked);
        QVERIFY(f.keypad->width() != wide);
        // Stored, the same font checks the item again at the next start.
        f.Reopen();
        QVERIFY(f.keypad->FontMarks().system);
        QVERIFY(!f.keypad->FontMarks().defaultFont);
        QVERIFY(f.messages.isEmpty());
    }

    void a_chosen_font_replaces_the_keypad_font() {
        KeypadFixture f;
        f.Open();
        QFont offered;
        ScopedAnswerer<CCalcFontDialog::Answerer> fonts(CCalcFontDialog::SetAnswerer,
                                                        [&](const QFont& initial) -> std::optional<QFont> {
                                                            offered = initial;
                                                            return std::nullopt;
                                                        });
        f.keypad->RunLookCommand(CommandId::KeypadFontSelect);
        QCOMPARE(offered.family(), QStringLiteral("Arial"));
        QVERIFY(f.keypad->FontMarks().defaultFont);

        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPixelSize(24);
        fonts.Replace([&](const QFont&) { return std::optional<QFont>(chosen); });
        const int high = f.keypad->height();
        f.keypad->RunLookCommand(CommandId::KeypadFontSelect);
        QCOMPARE(f.Key(1001)->font().pixelSize(), 24);
        QVERIFY(f.keypad->height() > high);
        QVERIFY(!f.keypad->FontMarks().defaultFont && !f.keypad->FontMarks().system);
        f.keypad.reset();
        QCOMPARE(f.Stored(QStringLiteral("FontSize")).toInt(), -24);
        QCOMPARE(f.Stored(QStringLiteral("FontFace")).toString(), QStringLiteral("DejaVu Sans"));
    }

    void a_group_colour_over_system_colours_changes_that_group_only() {
        KeypadFixture f;
        f.Open();
        f.keypad->RunLookCommand(CommandId::KeypadTextSystem);
        QVERIFY(f.Key(1001)->UsesSystemText() && f.Key(1059)->UsesSystemText());
        {
            const ScopedAnswerer<CCalcColorDialog::Answerer> colours(
                CCalcColorDialog::SetAnswerer, [](const QColor& initial) {
                    return initial == QColor(128, 0, 0) ? std::optional<QColor>(QColor(0, 0, 255))
                                                        : std::nullopt;
                });
            f.keypad->RunLookCommand(CommandId::KeypadTextFunction);
        }
        QCOMPARE(f.Key(1001)->TextColor(), QColor(0, 0, 255));
        QVERIFY(!f.Key(1001)->UsesSystemText());
        QVERIFY(f.Key(1059)->UsesSystemText());
        QVERIFY(!f.keypad->LookCommandState(CommandId::KeypadTextSystem).checked);

        // At the next start every group shows its stored colour.
        f.Reopen();
        QCOMPARE(f.Key(1001)->TextColor(), QColor(0, 0, 255));
        QCOMPARE(f.Key(1059)->TextColor(), QColor(64, 32, 48));
        QVERIFY(!f.Key(1059)->UsesSystemText());
    }

    void a_new_group_colour_repaints_that_group_only() {
        KeypadFixture f;
        f.Open();
        QVERIFY(QTest::qWaitForWindowExposed(f.keypad.get()));
        PaintCounter counter;
        for (int id : {1001, 1054, 1059, 1070})
            f.Key(id)->installEventFilter(&counter);
        QApplication::processEvents();
        counter.painted.clear();

        ScopedAnswerer<CCalcColorDialog::Answerer> colours(CCalcColorDialog::SetAnswerer,
                                                           [](const QColor&) { return std::nullopt; });
        f.keypad->RunLookCommand(CommandId::KeypadColorFunction);
        QTest::qWait(50);
        QVERIFY2(counter.painted.isEmpty(), "a cancelled chooser changes nothing");
        QCOMPARE(f.Key(1001)->FaceColor(), QColor(255, 200, 160));

        colours.Replace([](const QColor&) { return std::optional<QColor>(QColor(20, 40, 160)); });
        f.keypad->RunLookCommand(CommandId::KeypadColorFunction);
        QTRY_COMPARE(counter.painted.size(), 2);
        QTest::qWait(50);
        counter.painted.sort();
        QCOMPARE(counter.painted, (QStringList{"Key1001", "Key1054"}));
        QCOMPARE(f.Key(1054)->FaceColor(), QColor(20, 40, 160));
        QCOMPARE(f.Key(1059)->FaceColor(), QColor(255, 128, 192));
    }

    void default_colours_come_back() {
        KeypadFixture f;
        f.Store(QStringLiteral("ColorFunction"), 0);
        f.Store(QStringLiteral("ColorSystem"), 1);
        f.Open();
        QVERIFY(f.Key(1001)->UsesSystemFace());
        QVERIFY(!f.keypad->LookCommandState(CommandId::KeypadColorDefault).checked);
        f.keypad->RunLookCommand(CommandId::KeypadColorDefault);
        QVERIFY(f.keypad->LookCommandState(CommandId::KeypadColorDefault).checked);
        QCOMPARE(f.Key(1001)->FaceColor(), QColor(255, 200, 160));
        QVERIFY(!f.Key(1070)->UsesSystemFace());
    }
};

QTEST_MAIN(CalcKeyPadTest)
#include "calc_key_pad_test.moc"
