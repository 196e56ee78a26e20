#include "app/application/calc_app.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSettings>

#include <cstdio>

#include "app/application/command_line.h"
#include "app/application/file_types.h"
#include "app/application/instance_channel.h"
#include "app/document/calc_doc.h"
#include "app/editor/calc_view.h"
#include "app/mainframe/calc_main_frame.h"
#include "app/notify/calc_notifier.h"
#include "app/preferences/preferences.h"
#include "engine/state/random_generators.h"
#include "ui/dialogs/message_box.h"
#include "ui/resources/bundled_fonts.h"
#include "ui/resources/va_fonts.h"

namespace {

constexpr int kExitFailure = 1;

void ReportPrintingUnavailable() {
    std::fputs("vantor-calculator: printing is not available in this version\n", stderr);
    CalcMessageBox(QStringLiteral("Printing is not available in this version of Calculator."),
                   MessageType{MessageButtons::Close, MessageIcon::Exclamation});
}

void BringToFront(CCalcMainFrame& frame) {
    if (frame.isHidden())
        frame.show();
    if (frame.isMinimized())
        frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
    frame.raise();
    frame.activateWindow();
}

} // namespace

void SetApplicationIdentity(QApplication& application) {
    application.setOrganizationName(QStringLiteral("Vantor"));
    application.setApplicationName(QStringLiteral("Calculator"));
    application.setApplicationVersion(QStringLiteral(VANTOR_VERSION));
    application.setDesktopFileName(QStringLiteral("vantor-calculator"));
}

int RunCalculatorApplication(int argc, char** argv) {
    NCalculatorText::SeedRandom();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication application(argc, argv);
    SetApplicationIdentity(application);
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/application.svg")));
    LoadBundledFonts();
    VaFonts::Application().LoadFonts();

    const CommandLine commandLine = ParseCommandLine(application.arguments().mid(1));
    if (!commandLine.valid)
        return kExitFailure;
    if (commandLine.action == CommandLine::Action::Print ||
        commandLine.action == CommandLine::Action::PrintTo) {
        ReportPrintingUnavailable();
        return kExitFailure;
    }
    const QString channelName = DefaultChannelName();
    if (commandLine.action == CommandLine::Action::OpenFile &&
        HandFileToRunningInstance(channelName, commandLine.file))
        return 0;

    {
        QSettings settings;
        preferenceStore.values = LoadPreferences(settings);
    }

    CCalcNotifier notifier;
    CCalcDoc document(notifier);
    CCalcMainFrame frame(document, notifier);
    document.OnNewDocument();

    CInstanceChannel channel(channelName);
    channel.Listen();
    QObject::connect(&channel, &CInstanceChannel::openRequested, &frame, [&](const QString& path) {
        BringToFront(frame);
        document.OpenDocumentFile(path);
    });
    UpdateFileTypes(UserDataHome(), QCoreApplication::applicationFilePath());

    if (commandLine.action == CommandLine::Action::OpenFile && !document.OnOpenDocument(commandLine.file))
        return kExitFailure;

    frame.RestorePlacement();
    if (commandLine.action != CommandLine::Action::WaitForOpen)
        frame.show();
    frame.ApplyPreferences();

    const int result = application.exec();

    QSettings settings;
    SavePreferences(settings, preferenceStore);
    return result;
}
