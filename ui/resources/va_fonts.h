#pragma once
// The three Open Sans faces of the program's own dialogs and controls, carried inside the
// executable and registered for this process only.

#include <QFont>
#include <QString>

#include <array>
#include <optional>

enum class VaFace { Regular, Semibold, Bold };

class VaFonts {
  public:
    // Registers the faces that are not registered yet; true when every face has a family.
    bool LoadFonts();

    // The face's family, or empty when its font did not load.
    QString Family(VaFace face) const;
    // The face at the size in points; nothing when its font did not load, and the
    // controls given nothing draw no text.
    std::optional<QFont> Font(VaFace face, qreal points) const;

    // The process's fonts, loaded once at start-up and shared by every dialog.
    static VaFonts& Application();

  private:
    std::array<QString, 3> families_;
};
