#include "ui/resources/va_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

struct FaceFile {
    const char* resource;
    QFont::Weight weight;
};

// In the order of VaFace; the build copies the files from Debian's fonts-open-sans.
constexpr std::array<FaceFile, 3> kFaces{{
    {":/va-fonts/OpenSans-Regular.ttf", QFont::Normal},
    {":/va-fonts/OpenSans-Semibold.ttf", QFont::DemiBold},
    {":/va-fonts/OpenSans-Bold.ttf", QFont::Bold},
}};

std::size_t IndexOf(VaFace face) {
    return static_cast<std::size_t>(face);
}

} // namespace

bool VaFonts::LoadFonts() {
    bool all = true;
    for (std::size_t i = 0; i < kFaces.size(); ++i) {
        if (!families_[i].isEmpty())
            continue;
        QFile file(QString::fromLatin1(kFaces[i].resource));
        if (file.open(QIODevice::ReadOnly)) {
            const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty())
                families_[i] = families.front();
        }
        all = all && !families_[i].isEmpty();
    }
    return all;
}

QString VaFonts::Family(VaFace face) const {
    return families_[IndexOf(face)];
}

std::optional<QFont> VaFonts::Font(VaFace face, qreal points) const {
    const QString& family = families_[IndexOf(face)];
    if (family.isEmpty())
        return std::nullopt;
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(kFaces[IndexOf(face)].weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

VaFonts& VaFonts::Application() {
    static VaFonts fonts;
    return fonts;
}
