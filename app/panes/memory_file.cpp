#include "app/panes/memory_file.h"

#include <QSaveFile>

#include "engine/files/calculation_file.h"

namespace NCalculatorPanes {

bool WriteMemoryFile(const QString& path, std::u16string_view memoryText) {
    const std::string bytes = NCalculatorText::EncodeUtf16LittleEndian(memoryText);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace NCalculatorPanes
