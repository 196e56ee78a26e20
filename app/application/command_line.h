#pragma once
// The command line: a file to open, "/p FILE", "/pt FILE PRINTER [DRIVER [PORT]]", "/dde".
// Flags are read without regard to case and may start with "-" as well; an argument
// starting with "/" that is no flag of ours is a path. Unknown "-" flags are ignored.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action { NewDocument, OpenFile, Print, PrintTo, WaitForOpen };

    Action action = Action::NewDocument;
    QString file;
    QString printer;
    QString driver;
    QString port;
    bool valid = true; // false when a print flag lacks its file or printer
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const QStringList& arguments);
