#include "app/document/document_file.h"

#include <QFile>
#include <QSaveFile>

ReadResult ReadCalculationFile(const QString& path, qint64 largest) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {ReadOutcome::CannotOpen, {}};
    if (file.size() > largest)
        return {ReadOutcome::TooLarge, {}};
    const QByteArray bytes = file.read(largest + 1);
    if (file.error() != QFileDevice::NoError)
        return {ReadOutcome::ReadFailed, {}};
    if (bytes.size() > largest)
        return {ReadOutcome::TooLarge, {}};
    if (bytes.isEmpty())
        return {ReadOutcome::NoBytes, {}};
    return {ReadOutcome::Ok, NCalculatorText::DecodeCalculationFile(
                                 std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))};
}

WriteResult WriteFileAtomically(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {WriteOutcome::CannotOpen, file.errorString()};
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return {WriteOutcome::WriteFailed, reason};
    }
    if (!file.commit())
        return {WriteOutcome::WriteFailed, file.errorString()};
    return {};
}
