#include "ui/dialogs/calc_about_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

#include "ui/controls/va_button.h"
#include "ui/controls/va_link.h"
#include "ui/controls/va_static.h"
#include "ui/dialogs/content_look.h"
#include "ui/dialogs/dialog_geometry.h"
#include "ui/resources/va_fonts.h"

namespace {

constexpr QRgb kLinkColour = 0xFE20A0E8;

} // namespace

QStringList CCalcAboutDialog::Lines() {
    return {QStringLiteral("Calculator Vantor"), QStringLiteral("Scientific calculator for complex numbers"),
            QStringLiteral("Version %1, built on %2")
                .arg(QStringLiteral(VANTOR_VERSION), QStringLiteral(VANTOR_BUILD_DATE)),
            QStringLiteral("Its numerical library is its own.")};
}

QUrl CCalcAboutDialog::SupportAddress() {
    return SupportAddressFor(QStringLiteral(VANTOR_SUPPORT_URL), QCoreApplication::applicationDirPath());
}

QUrl SupportAddressFor(const QString& configured, const QString& programFolder) {
    if (!configured.isEmpty())
        return QUrl(configured);
    const QString installed =
        QDir(programFolder).filePath(QStringLiteral(VANTOR_DOCS_FROM_PROGRAM "/README.md"));
    if (QFileInfo::exists(installed))
        return QUrl::fromLocalFile(QDir::cleanPath(installed));
    // A program run from its build folder: the README of the tree it was built from.
    return QUrl::fromLocalFile(QStringLiteral(VANTOR_SOURCE_README));
}

CCalcAboutDialog::CCalcAboutDialog(QWidget* owner)
    : VaDialog(owner, QStringLiteral("About Calculator")),
      link_(new VaLink(QStringLiteral("Support"), SupportAddress(), this)),
      close_(new VaButton(QStringLiteral("&Perfect"), this)) {
    setObjectName(QStringLiteral("About"));
    const QStringList texts = Lines();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        auto* line = new VaStatic(texts[i], this);
        StyleText(*line, i == 0);
        lines_.push_back(line);
    }
    link_->SetFont(VaFonts::Application().Font(VaFace::Regular, kTextPoints));
    link_->SetColours(kLinkColour, 0xFFF8F8F8);
    StyleButton(*close_);
    connect(close_, &QAbstractButton::clicked, this, [this] { done(Accepted); });
}

void CCalcAboutDialog::LayoutContent() {
    const AboutLayoutInput input{
        .dpiX = logicalDpiX(),
        .captionHeight = Caption().height,
        .productName = lines_[0]->PreferredSize(),
        // Below the product name: edition, version, link, notice.
        .lineWidths = {lines_[1]->PreferredSize().width(), lines_[2]->PreferredSize().width(),
                       link_->PreferredSize().width(), lines_[3]->PreferredSize().width()},
        .button = close_->PreferredSize()};
    const AboutLayout layout = LayOutAbout(input);
    SetFrameSize(layout.frame);
    logo_.LoadPngScaled(VaImageId::Logo, layout.logo.width(), layout.logo.height(), devicePixelRatioF());
    logo_.SetPosition(FramePoint(layout.logo.topLeft()));
    const std::array<QWidget*, 5> order{lines_[0], lines_[1], lines_[2], link_, lines_[3]};
    for (std::size_t i = 0; i < order.size(); ++i)
        Place(order[i], layout.lines[i]);
    Place(close_, layout.button);
    close_->setDefault(true);
    close_->setFocus();
}

bool CCalcAboutDialog::DrawContent(QPainter& painter) {
    bool drawn = logo_.DrawTo(painter);
    for (const VaStatic* line : lines_)
        drawn = line->DrawTo(painter) && drawn;
    drawn = link_->DrawTo(painter) && drawn;
    return close_->DrawTo(painter) && drawn;
}
