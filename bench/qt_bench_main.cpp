// The entry of every benchmark program that drives widgets: Qt's offscreen platform unless
// another is asked for, settings in a test folder, and the program's embedded fonts, as the
// program itself has them.

#include <QApplication>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include "ui/resources/va_fonts.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    VaFonts::Application().LoadFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
