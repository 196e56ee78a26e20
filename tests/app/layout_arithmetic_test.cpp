// Pure arithmetic of the desktop program: window placement, caption, pane sizes and
// their storage, offsets between the editor and the document, the command line.

#include "app_test_support.h"

#include "app/application/command_line.h"
#include "app/docking/bar_sizes.h"
#include "app/docking/floating_placement.h"
#include "app/document/recent_files.h"
#include "app/editor/text_offsets.h"
#include "app/mainframe/caption.h"
#include "app/mainframe/placement.h"
#include "app/mainframe/status_panes.h"

Q_DECLARE_METATYPE(PlacementRect)
Q_DECLARE_METATYPE(FloatingAnchor)

namespace {

// A raw widget text: "|" stands for a line break (U+2029).
QString Raw(const char* text) {
    return QString::fromLatin1(text).replace(QLatin1Char('|'), QChar::ParagraphSeparator);
}

} // namespace

class LayoutArithmeticTest : public QObject {
    Q_OBJECT

  private slots:
    void default_placement() {
        QCOMPARE(DefaultNormalRect({0, 0, 1920, 1040}, 930, 550), (PlacementRect{495, 245, 1425, 795}));
        // A work area smaller than the window: the window is cut to it.
        QCOMPARE(DefaultNormalRect({0, 0, 800, 500}, 930, 550), (PlacementRect{0, 0, 800, 500}));
        // Divisions round toward zero.
        QCOMPARE(DefaultNormalRect({100, 30, 1131, 611}, 930, 550), (PlacementRect{150, 45, 1080, 595}));
        QCOMPARE(FallbackNormalRect(930, 550), (PlacementRect{0, 25, 930, 575}));
    }

    void bringing_back_onto_the_work_area_data() {
        QTest::addColumn<PlacementRect>("saved");
        QTest::addColumn<PlacementRect>("placed");
        QTest::newRow("right of the screen")
            << PlacementRect{3000, 100, 3930, 650} << PlacementRect{990, 100, 1920, 650};
        QTest::newRow("left of the screen")
            << PlacementRect{-1000, 100, -70, 650} << PlacementRect{0, 100, 930, 650};
        QTest::newRow("below the screen")
            << PlacementRect{100, 1100, 1030, 1650} << PlacementRect{100, 490, 1030, 1040};
        QTest::newRow("caption above the top")
            << PlacementRect{100, -60, 1030, 490} << PlacementRect{100, 0, 1030, 550};
        QTest::newRow("caption still reachable")
            << PlacementRect{100, -10, 1030, 540} << PlacementRect{100, -10, 1030, 540};
        QTest::newRow("on the screen stays")
            << PlacementRect{10, 20, 940, 570} << PlacementRect{10, 20, 940, 570};
        QTest::newRow("wider than the screen, off to the right")
            << PlacementRect{2000, 0, 4500, 500} << PlacementRect{0, 0, 1920, 500};
    }

    void bringing_back_onto_the_work_area() {
        QFETCH(PlacementRect, saved);
        QFETCH(PlacementRect, placed);
        QCOMPARE(BringOntoWorkArea(saved, {0, 0, 1920, 1040}, 17), placed);
    }

    void floating_pane_beside_the_window_data() {
        QTest::addColumn<FloatingAnchor>("anchor");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("placed");
        const QList<QRect> one{QRect(0, 0, 1920, 1040)};
        const QSize pane(260, 300);
        QTest::newRow("room on the right")
            << FloatingAnchor{QRect(100, 100, 930, 550), 150} << one << QRect(QPoint(1034, 100), pane);
        QTest::newRow("room on the left only")
            << FloatingAnchor{QRect(900, 100, 930, 550), 150} << one << QRect(QPoint(636, 100), pane);
        // Nothing beside a maximized window: inside it, at the right, clear of the menu bar.
        QTest::newRow("maximized") << FloatingAnchor{QRect(0, 0, 1920, 1040), 52} << one
                                   << QRect(QPoint(1656, 56), pane);
        QTest::newRow("maximized on the second screen")
            << FloatingAnchor{QRect(1920, 0, 1280, 1024), 52}
            << QList<QRect>{one[0], QRect(1920, 0, 1280, 1024)} << QRect(QPoint(2936, 56), pane);
        // The pane stays on the window's screen.
        QTest::newRow("right of the window is the next screen")
            << FloatingAnchor{QRect(1000, 0, 918, 1040), 52}
            << QList<QRect>{one[0], QRect(1920, 0, 1280, 1024)} << QRect(QPoint(736, 0), pane);
        QTest::newRow("screen lower than the pane")
            << FloatingAnchor{QRect(0, 0, 800, 200), 40} << QList<QRect>{QRect(0, 0, 800, 200)}
            << QRect(QPoint(536, 40), pane);
    }

    void floating_pane_beside_the_window() {
        QFETCH(FloatingAnchor, anchor);
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, placed);
        QCOMPARE(PaneBesideFrame(anchor, QSize(260, 300), screens), placed);
    }

    void floating_pane_reachable_where_it_was() {
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QVERIFY(ReachableOnScreens(QRect(100, 100, 260, 300), screens, 20));
        QVERIFY(ReachableOnScreens(QRect(1800, 100, 260, 300), screens, 20)); // across both screens
        QVERIFY(ReachableOnScreens(QRect(-200, 100, 260, 300), screens, 20)); // 60 pixels of title left
        // A second screen that is gone, a title above every screen, a title out of reach.
        QVERIFY(!ReachableOnScreens(QRect(3300, 100, 260, 300), screens, 20));
        QVERIFY(!ReachableOnScreens(QRect(100, -10, 260, 300), screens, 20));
        QVERIFY(!ReachableOnScreens(QRect(-240, 100, 260, 300), screens, 20));
        QVERIFY(!ReachableOnScreens(QRect(3200, 1030, 260, 300), screens, 20));
    }

    void caption() {
        QCOMPARE(ComposeCaption(true, QStringLiteral("Calculation"), false),
                 QStringLiteral(" Vantor Calculator \u2014 Calculation"));
        QCOMPARE(ComposeCaption(true, QStringLiteral("sum.vcl"), true),
                 QStringLiteral(" Vantor Calculator \u2014 sum.vcl\u00B0"));
        QCOMPARE(ComposeCaption(false, QString(), true), QStringLiteral(" Vantor Calculator"));
    }

    void indicator_texts() {
        QCOMPARE(UnitIndicatorText(0), QStringLiteral("Rad"));
        QCOMPARE(UnitIndicatorText(1), QStringLiteral("Deg"));
        QCOMPARE(UnitIndicatorText(2), QStringLiteral("Grad"));
        QCOMPARE(UnitIndicatorText(9), QStringLiteral("Rad"));
        NCalculatorText::engineState.previousResult = Complex{-1.5, 2};
        QCOMPARE(ResultIndicatorText(1), QStringLiteral("rslt = \u22121.5 + j\u22172"));
        NCalculatorText::engineState.previousResult = Complex{};
        QCOMPARE(ResultIndicatorText(0), QStringLiteral("rslt = 0"));
    }

    void pane_sizes_around_a_dialog() {
        const BarSizes fixed = FixedBarSizes(QSize(300, 200));
        QCOMPARE(fixed.floating, QSize(300, 200));
        QCOMPARE(fixed.horizontal, QSize(315, 210));
        QCOMPARE(fixed.vertical, QSize(310, 215));
        QCOMPARE(fixed.minimum, QSize(315, 215));
        const BarSizes resizable = ResizableBarSizes(QSize(400, 120), QSize(100, 60));
        QCOMPARE(resizable.horizontal, QSize(400, 120));
        QCOMPARE(resizable.minimum, QSize(100, 60));
        QCOMPARE(BarSection(QStringLiteral("GUI/BarState"), 102), QStringLiteral("GUI/BarState-Bar102"));
    }

    void pane_sizes_load_with_their_minimum() {
        TestEnvironment environment;
        const BarSizes current = ResizableBarSizes(QSize(400, 120), QSize(100, 60));
        {
            QSettings settings;
            settings.setValue(QStringLiteral("GUI/BarState-Bar102/HorizontalY"), 20);
            settings.setValue(QStringLiteral("GUI/BarState-Bar102/HorizontalX"), 700);
            settings.setValue(QStringLiteral("GUI/BarState-Bar102/VerticalX"), 99);
            settings.setValue(QStringLiteral("GUI/BarState-Bar102/FloatingY"), QStringLiteral("tall"));
        }
        QSettings settings;
        const BarSizes loaded = LoadBarSizes(settings, QStringLiteral("GUI/BarState"), 102, current);
        QCOMPARE(loaded.horizontal, QSize(700, 60));
        QCOMPARE(loaded.vertical, QSize(100, 120));
        QCOMPARE(loaded.floating, QSize(400, 120));
    }

    void pane_sizes_round_trip() {
        TestEnvironment environment;
        BarSizes sizes = ResizableBarSizes(QSize(400, 120), QSize(100, 60));
        sizes.Set(BarOrientation::Vertical, QSize(250, 600));
        sizes.Set(BarOrientation::Floating, QSize(320, 240));
        QSettings settings;
        SaveBarSizes(settings, QStringLiteral("GUI/BarState"), 105, sizes);
        QCOMPARE(settings.value(QStringLiteral("GUI/BarState-Bar105/VerticalY")).toInt(), 600);
        const BarSizes loaded = LoadBarSizes(settings, QStringLiteral("GUI/BarState"), 105,
                                             ResizableBarSizes(QSize(100, 60), QSize(100, 60)));
        QCOMPARE(loaded, sizes);
    }

    void offsets_between_widget_and_document_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("offset");
        QTest::newRow("start") << Raw("ab|cd") << 0 << 0;
        QTest::newRow("before the break") << Raw("ab|cd") << 2 << 2;
        QTest::newRow("after the break counts two") << Raw("ab|cd") << 3 << 4;
        QTest::newRow("end") << Raw("ab|cd") << 5 << 6;
        QTest::newRow("two breaks") << Raw("||x") << 2 << 4;
        QTest::newRow("beyond the end is the end") << Raw("a|") << 9 << 3;
    }

    void offsets_between_widget_and_document() {
        QFETCH(QString, raw);
        QFETCH(int, position);
        QFETCH(int, offset);
        QCOMPARE(DocumentOffsetFromWidget(raw, position), offset);
        if (position <= raw.size())
            QCOMPARE(WidgetPositionFromDocument(raw, offset), position);
    }

    void offsets_inside_a_break_and_outside_the_text() {
        const QString raw = Raw("ab|cd");
        QCOMPARE(WidgetPositionFromDocument(raw, 3), 3); // between CR and LF: after the break
        QCOMPARE(WidgetPositionFromDocument(raw, -4), 0);
        QCOMPARE(WidgetPositionFromDocument(raw, 100), 5);
        QCOMPARE(DocumentLength(raw), 6);
        QCOMPARE(PreviousCharacterOffset(raw, 4), 2);
        QCOMPARE(PreviousCharacterOffset(raw, 0), 0);
    }

    void document_text_and_widget_text() {
        QCOMPARE(FromU16(DocumentTextFromRaw(Raw("1;|2;||"))), QStringLiteral("1;\r\n2;\r\n\r\n"));
        QCOMPARE(WidgetTextFromDocument(u"a\r\nb\rc\nd\u2029e"), QStringLiteral("a\nb\nc\nd\ne"));
        QCOMPARE(WidgetTextFromDocument(u"\r\n\r\n"), QStringLiteral("\n\n"));
    }

    void command_line_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("printer");
        QTest::addColumn<bool>("valid");
        using A = CommandLine::Action;
        QTest::newRow("nothing") << QStringList{} << int(A::NewDocument) << ""
                                 << "" << true;
        QTest::newRow("a file") << QStringList{"sum.vcl"} << int(A::OpenFile) << "sum.vcl"
                                << "" << true;
        QTest::newRow("print") << QStringList{"/p", "sum.vcl"} << int(A::Print) << "sum.vcl"
                               << "" << true;
        QTest::newRow("print, flag in capitals") << QStringList{"/P", "a.vcl"} << int(A::Print) << "a.vcl"
                                                 << "" << true;
        QTest::newRow("print without a file") << QStringList{"/p"} << int(A::Print) << ""
                                              << "" << false;
        QTest::newRow("print to") << QStringList{"/pt", "a.vcl", "Office", "drv", "lpt1"} << int(A::PrintTo)
                                  << "a.vcl"
                                  << "Office" << true;
        QTest::newRow("print to a queue named alone")
            << QStringList{"/pt", "a.vcl", "Office"} << int(A::PrintTo) << "a.vcl"
            << "Office" << true;
        QTest::newRow("print to lacking the printer")
            << QStringList{"/pt", "a.vcl"} << int(A::PrintTo) << "a.vcl"
            << "" << false;
        QTest::newRow("dde") << QStringList{"/dde"} << int(A::WaitForOpen) << ""
                             << "" << true;
        QTest::newRow("dash flags too") << QStringList{"-dde"} << int(A::WaitForOpen) << ""
                                        << "" << true;
        QTest::newRow("unknown flags are ignored")
            << QStringList{"-Embedding", "b.vcm"} << int(A::OpenFile) << "b.vcm"
            << "" << true;
        QTest::newRow("an absolute path is no flag")
            << QStringList{"/home/me/sum.vcl"} << int(A::OpenFile) << "/home/me/sum.vcl"
            << "" << true;
        QTest::newRow("print an absolute path")
            << QStringList{"/p", "/home/me/p"} << int(A::Print) << "/home/me/p"
            << "" << true;
    }

    void command_line() {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, file);
        QFETCH(QString, printer);
        QFETCH(bool, valid);
        const CommandLine line = ParseCommandLine(arguments);
        QCOMPARE(int(line.action), action);
        QCOMPARE(line.file, file);
        QCOMPARE(line.printer, printer);
        QCOMPARE(line.valid, valid);
    }

    void recent_files() {
        TestEnvironment environment;
        RecentFileList list;
        for (const char* name : {"/d/a.vcl", "/d/b.vcl", "/d/c.vcl", "/d/a.vcl", "/d/e.vcl", "/d/f.vcl"})
            list.Add(QString::fromLatin1(name));
        QCOMPARE(list.Files(), (QStringList{"/d/f.vcl", "/d/e.vcl", "/d/a.vcl", "/d/c.vcl"}));
        QSettings settings;
        list.Save(settings);
        RecentFileList loaded;
        loaded.Load(settings);
        QCOMPARE(loaded.Files(), list.Files());
        QCOMPARE(settings.value(QStringLiteral("Recent File List/File1")).toString(),
                 QStringLiteral("/d/f.vcl"));
        QCOMPARE(RecentFileList::MenuText(1, QStringLiteral("/d/R&D.vcl")), QStringLiteral("&2 /d/R&&D.vcl"));
    }
};

QTEST_MAIN(LayoutArithmeticTest)
#include "layout_arithmetic_test.moc"
