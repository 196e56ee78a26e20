// How a key follows the pointer: presses that count, the pressed look while moving out
// and in, releases that complete the press, and a capture taken away.

#include <QTest>

#include "ui/keypad/button_pointer.h"

namespace {

constexpr PointerHit kCapsule{true, true};
constexpr PointerHit kCorner{false, true}; // inside the rectangle, outside the capsule
constexpr PointerHit kOutside{false, false};

enum Step { Move, Press, Release, CaptureLost, Leave };

struct Event {
    Step step;
    PointerHit hit;
};

// Runs the events; returns how many presses completed and the last flags.
QString Run(bool vantor, std::initializer_list<Event> events) {
    ButtonPointer pointer;
    int completed = 0;
    for (const Event& event : events) {
        switch (event.step) {
        case Move:
            pointer.Move(vantor, event.hit);
            break;
        case Press:
            pointer.Press(vantor, event.hit);
            break;
        case Release:
            completed += pointer.Release(vantor, event.hit) ? 1 : 0;
            break;
        case CaptureLost:
            pointer.CaptureLost(vantor, event.hit);
            break;
        case Leave:
            pointer.Leave();
            break;
        }
    }
    return QStringLiteral("completed %1 pressed %2 hover %3 inside %4")
        .arg(completed)
        .arg(pointer.PressedLook())
        .arg(pointer.Hover())
        .arg(pointer.InsideFace());
}

} // namespace

class ButtonPointerTest : public QObject {
    Q_OBJECT

  private slots:
    void press_cycles() {
        QCOMPARE(Run(true, {{Move, kCapsule}, {Press, kCapsule}, {Release, kCapsule}}),
                 "completed 1 pressed 0 hover 1 inside 1");
        QCOMPARE(Run(true, {{Move, kCorner}, {Press, kCorner}, {Release, kCorner}}),
                 "completed 0 pressed 0 hover 1 inside 0");
        QCOMPARE(Run(true, {{Press, kCapsule}, {Move, kCorner}, {Release, kCorner}}),
                 "completed 0 pressed 0 hover 0 inside 0");
        QCOMPARE(Run(false, {{Press, kCorner}, {Release, kCorner}}),
                 "completed 1 pressed 0 hover 1 inside 0");
        // Outside the Vantor style the press completes wherever the pointer is released.
        QCOMPARE(Run(false, {{Press, kCapsule}, {Move, kOutside}, {Release, kOutside}}),
                 "completed 1 pressed 0 hover 0 inside 0");
        QCOMPARE(Run(false, {{Press, kCapsule}, {Release, kCapsule}, {Press, kCapsule}, {Release, kCapsule}}),
                 "completed 2 pressed 0 hover 1 inside 0");
        QCOMPARE(Run(true, {{Release, kCapsule}}), "completed 0 pressed 0 hover 0 inside 0");
    }

    void pressed_look_follows_the_pointer_data() {
        QTest::addColumn<bool>("vantor");
        QTest::addColumn<bool>("inCapsule");
        QTest::addColumn<bool>("inRect");
        QTest::addColumn<bool>("pressed");
        QTest::newRow("Vantor: the corner is outside") << true << false << true << false;
        QTest::newRow("Vantor: back on the capsule") << true << true << true << true;
        QTest::newRow("XP: the corner counts") << false << false << true << true;
        QTest::newRow("XP: outside the key") << false << false << false << false;
    }

    void pressed_look_follows_the_pointer() {
        QFETCH(bool, vantor);
        QFETCH(bool, inCapsule);
        QFETCH(bool, inRect);
        QFETCH(bool, pressed);
        ButtonPointer pointer;
        pointer.Press(vantor, kCapsule);
        QVERIFY(pointer.PressedLook());
        pointer.Move(vantor, {inCapsule, inRect});
        QCOMPARE(pointer.PressedLook(), pressed);
        QVERIFY(pointer.Captured());
    }

    void a_capture_taken_away_sends_nothing() {
        QCOMPARE(Run(true, {{Press, kCapsule}, {CaptureLost, kOutside}, {Release, kCapsule}}),
                 "completed 0 pressed 0 hover 0 inside 0");
        QCOMPARE(Run(false, {{Press, kCapsule}, {CaptureLost, kCorner}}),
                 "completed 0 pressed 0 hover 1 inside 0");
    }

    void hovering_is_reported_once_until_leaving() {
        ButtonPointer pointer;
        QVERIFY(pointer.Move(true, kCorner));
        QVERIFY(!pointer.Move(true, kCorner));
        QVERIFY(pointer.Move(true, kCapsule));
        QVERIFY(pointer.Hover() && pointer.InsideFace());
        pointer.Leave();
        QVERIFY(!pointer.Hover());
        // Other styles keep no capsule state: no hot ring after falling back to Vantor.
        ButtonPointer xp;
        xp.Move(false, kCapsule);
        QVERIFY(!xp.InsideFace());
    }
};

QTEST_MAIN(ButtonPointerTest)
#include "button_pointer_test.moc"
