#pragma once
// Reading and writing the document's files: a file is read whole or not at all, and
// written through a temporary file renamed over the old one, so a failure loses nothing.

#include <QString>

#include <string>

// Larger files are refused: no calculation text comes near, and the editor would crawl.
inline constexpr qint64 kLargestCalculationFile = 16 * 1024 * 1024;

enum class ReadOutcome { Ok, CannotOpen, NoBytes, TooLarge, ReadFailed };

struct ReadResult {
    ReadOutcome outcome = ReadOutcome::Ok;
    std::u16string text; // only for Ok
};

ReadResult ReadCalculationFile(const QString& path, qint64 largest = kLargestCalculationFile);

enum class WriteOutcome { Ok, CannotOpen, WriteFailed };

WriteOutcome WriteFileAtomically(const QString& path, const std::string& bytes);
