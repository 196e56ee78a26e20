#include "app/document/memory_file.h"

#include "app/document/document_file.h"
#include "engine/files/calculation_file.h"
#include "ui/dialogs/message_box.h"

void SaveMemoryFile(const QString& path, std::u16string_view text) {
    constexpr MessageType kWarning = MessageType{MessageButtons::Close, MessageIcon::Exclamation};
    switch (WriteFileAtomically(path, NCalculatorText::EncodeUtf16LittleEndian(text))) {
    case WriteOutcome::Ok:
        break;
    case WriteOutcome::CannotOpen:
        CalcMessageBox(QStringLiteral("Cannot open the file for writing."), kWarning);
        break;
    case WriteOutcome::WriteFailed:
        CalcMessageBox(QStringLiteral("Failed to save document."), kWarning);
        break;
    }
}
