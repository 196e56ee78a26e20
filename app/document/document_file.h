#pragma once
// Reading and writing the document's files: a file is read whole or not at all, and
// written through a temporary file renamed over the old one, so a failure loses nothing.

#include <QString>

#include <string>

#include "engine/files/calculation_file.h"

enum class ReadOutcome { Ok, CannotOpen, NoBytes, TooLarge, ReadFailed };

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::Ok;
    NCalculatorText::DecodedText file; // only for Ok; its encoding may still be Unreadable
};

ReadResult ReadCalculationFile(const QString& path,
                               qint64 largest = qint64{NCalculatorText::kLargestCalculationFile});

enum class WriteOutcome { Ok, CannotOpen, WriteFailed };

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::Ok;
    QString reason; // the system's words, when not Ok
};

WriteResult WriteFileAtomically(const QString& path, const std::string& bytes);
