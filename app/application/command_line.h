#pragma once
// The command line: a file to open, "/p FILE", "/pt FILE PRINTER DRIVER PORT", "/dde".
// Flags start with "/" or "-" and are read without regard to case; unknown flags are
// ignored, as the shell may pass some of its own.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action { NewDocument, OpenFile, Print, PrintTo, WaitForOpen };

    Action action = Action::NewDocument;
    QString file;
    QString printer;
    QString driver;
    QString port;
    bool valid = true;  // false when a print flag lacks its arguments
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const QStringList& arguments);
