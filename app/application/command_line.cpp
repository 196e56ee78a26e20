#include "app/application/command_line.h"

namespace {

bool IsKnownFlag(const QString& name) {
    return name == QLatin1String("p") || name == QLatin1String("pt") || name == QLatin1String("dde");
}

// "/" also starts every absolute path, so only our own flags count with it.
bool IsFlag(const QString& argument) {
    if (argument.size() < 2)
        return false;
    if (argument.startsWith(QLatin1Char('-')))
        return true;
    return argument.startsWith(QLatin1Char('/')) && IsKnownFlag(argument.mid(1).toLower());
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
    QStringList parameters; // the non-flag arguments, in order
    for (const QString& argument : arguments) {
        if (!IsFlag(argument)) {
            parameters << argument;
            continue;
        }
        const QString flag = argument.mid(1).toLower();
        if (flag == QLatin1String("p"))
            line.action = CommandLine::Action::Print;
        else if (flag == QLatin1String("pt"))
            line.action = CommandLine::Action::PrintTo;
        else if (flag == QLatin1String("dde"))
            line.action = CommandLine::Action::WaitForOpen;
    }
    if (!parameters.isEmpty())
        line.file = parameters.takeFirst();
    switch (line.action) {
    case CommandLine::Action::NewDocument:
        if (!line.file.isEmpty())
            line.action = CommandLine::Action::OpenFile;
        break;
    case CommandLine::Action::Print:
        line.valid = !line.file.isEmpty();
        break;
    case CommandLine::Action::PrintTo:
        // A print service names a printer by its queue alone: driver and port may be left out.
        line.valid = !line.file.isEmpty() && !parameters.isEmpty();
        if (line.valid) {
            line.printer = parameters.value(0);
            line.driver = parameters.value(1);
            line.port = parameters.value(2);
        }
        break;
    case CommandLine::Action::OpenFile:
    case CommandLine::Action::WaitForOpen:
        break;
    }
    return line;
}
