#include "ui/print/font_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialogs/calc_font_dialog.h"
#include "ui/print/print_fonts.h"

FontGroup::FontGroup(const QString& title, const PrintFont& font, const PrintFont& defaultFont,
                     const char* descriptionId, const char* selectId, const char* defaultId, QWidget* parent)
    : QGroupBox(title, parent), font_(font), defaultFont_(defaultFont) {
    description_ = new QLineEdit(this);
    description_->setReadOnly(true);
    description_->setObjectName(QLatin1String(descriptionId));
    // Wide enough for the default header/footer font's description when bold as well.
    description_->setMinimumWidth(
        description_->fontMetrics().horizontalAdvance(QStringLiteral("Times New Roman 10 pt, bold, italic")) +
        16);
    description_->setAccessibleName(title + QStringLiteral(" description"));
    select_ = new QPushButton(QStringLiteral("Select..."), this);
    select_->setObjectName(QLatin1String(selectId));
    select_->setAccessibleName(title + QStringLiteral(" select"));
    default_ = new QCheckBox(QStringLiteral("Default"), this);
    default_->setObjectName(QLatin1String(defaultId));
    default_->setAccessibleName(title + QStringLiteral(" default"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(description_, 0, 0, 1, 2);
    layout->addWidget(select_, 1, 0);
    layout->addWidget(default_, 1, 1);
    connect(select_, &QPushButton::clicked, this, &FontGroup::Select);
    connect(default_, &QCheckBox::clicked, this, &FontGroup::DefaultClicked);
    default_->setChecked(font_ == defaultFont_);
    Show();
}

QString FontGroup::Description() const {
    return description_->text();
}

bool FontGroup::DefaultChecked() const {
    return default_->isChecked();
}

void FontGroup::Select() {
    const int dpiY = logicalDpiY();
    const CCalcFontDialog chooser(ScreenFont(font_, dpiY), window());
    const std::optional<QFont> chosen = chooser.Run();
    if (!chosen)
        return;
    font_ = PrintFontFromChosen(*chosen, dpiY);
    default_->setChecked(font_ == defaultFont_);
    Show();
}

void FontGroup::DefaultClicked(bool checked) {
    if (!checked)
        return;
    font_ = defaultFont_;
    Show();
}

void FontGroup::Show() {
    description_->setText(FontDescription(font_));
    description_->setCursorPosition(0);
}
