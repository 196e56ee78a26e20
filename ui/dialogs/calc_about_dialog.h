#pragma once
// The about box: the logo, what this program is and which version, the Support link and
// the "Perfect" button that closes it.

#include <QStringList>
#include <QUrl>

#include "ui/dialogs/va_dialog.h"
#include "ui/resources/va_image.h"

class VaButton;
class VaLink;
class VaStatic;

// The configured address, or else the README installed beside a program in programFolder,
// or else (a program run from its build folder) the README of the source tree.
QUrl SupportAddressFor(const QString& configured, const QString& programFolder);

class CCalcAboutDialog : public VaDialog {
  public:
    explicit CCalcAboutDialog(QWidget* owner);

    // Product name, edition, version and notice.
    static QStringList Lines();
    static QUrl SupportAddress();

    VaButton* CloseButton() const { return close_; }
    VaLink* Link() const { return link_; }

  protected:
    bool DrawContent(QPainter& painter) override;
    void LayoutContent() override;

  private:
    VaImage logo_;
    std::vector<VaStatic*> lines_; // product name, edition, version, notice
    VaLink* link_;
    VaButton* close_;
};
