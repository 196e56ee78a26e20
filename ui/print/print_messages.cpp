#include "ui/print/print_messages.h"

#include <QString>

#include "ui/dialogs/message_box.h"

const char* PrintMessageText(PrintMessage message) {
    switch (message) {
    case PrintMessage::CouldNotStart:
        return "Could not start print job.";
    case PrintMessage::Cancelled:
        return "The printing was cancelled.";
    }
    return "";
}

void ReportPrintMessage(PrintMessage message) {
    CalcMessageBox(QString::fromLatin1(PrintMessageText(message)),
                   MessageType{MessageButtons::Close, MessageIcon::Exclamation});
}
