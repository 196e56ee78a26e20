#include "app/document/memory_file.h"

#include "app/document/document_file.h"
#include "app/document/write_failure_text.h"
#include "engine/files/calculation_file.h"
#include "ui/dialogs/message_box.h"

FileDialogRequest MemorySaveRequest(const QString& filter) {
    return {FileDialogMode::Save, QStringLiteral("Save memory"), QStringLiteral("vcm"),
            QStringLiteral("Memory 1"), filter};
}

void SaveMemoryFile(const QString& path, std::u16string_view text) {
    const WriteResult written = WriteFileAtomically(path, NCalculatorText::EncodeUtf16LittleEndian(text));
    if (written.outcome == WriteOutcome::Ok)
        return;
    const QString headline = written.outcome == WriteOutcome::CannotOpen
                                 ? QStringLiteral("Cannot open the file for writing.")
                                 : QStringLiteral("Failed to save document.");
    CalcMessageBox(WriteFailureText(headline, path, written.reason),
                   MessageType{MessageButtons::Close, MessageIcon::Exclamation});
}
