#include "app/preferences/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/mainframe/trigonometric_units_chooser.h"
#include "ui/dialogs/dialog_decoration.h"
#include "ui/dialogs/message_box.h"

namespace {

QComboBox* DropDown(const QString& name, const QStringList& choices, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(name);
    box->addItems(choices);
    return box;
}

QCheckBox* CheckBox(const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(text);
    box->setAccessibleName(text);
    return box;
}

// A drop-down list's value is its choice's index; a stored value out of reach shows the first.
void SelectIndex(QComboBox* box, std::int32_t value) {
    box->setCurrentIndex(value >= 0 && value < box->count() ? value : 0);
}

} // namespace

std::optional<int> ParseFontSizeText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

CCalcPreferences::CCalcPreferences(const Preferences& current, bool sse2Available, QWidget* parent)
    : QDialog(parent), copy_(current) {
    setObjectName(QStringLiteral("Preferences"));
    setWindowTitle(QStringLiteral("Preferences"));
    DecorateDialog(this);

    auto* editor = new QGroupBox(QStringLiteral("Editor"), this);
    fontSize_ = new QLineEdit(editor);
    fontSize_->setObjectName(QStringLiteral("Font size"));
    fontSize_->setAccessibleName(QStringLiteral("Font size"));
    fontSize_->setMaximumWidth(fontSize_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    syntaxHighlighting_ = CheckBox(QStringLiteral("Syntax highlighting"), editor);
    auto* editorLayout = new QFormLayout(editor);
    editorLayout->addRow(QStringLiteral("Font size"), fontSize_);
    editorLayout->addRow(syntaxHighlighting_);

    auto* keypad = new QGroupBox(QStringLiteral("Keypad"), this);
    notation_ =
        DropDown(QStringLiteral("Notation"), {QStringLiteral("West"), QStringLiteral("East")}, keypad);
    imaginaryUnit_ =
        DropDown(QStringLiteral("Imaginary unit"), {QStringLiteral("i"), QStringLiteral("j")}, keypad);
    gammaFunction_ = CheckBox(QStringLiteral("Gamma function instead of factorial"), keypad);
    auto* keypadLayout = new QFormLayout(keypad);
    keypadLayout->addRow(QStringLiteral("Notation"), notation_);
    keypadLayout->addRow(QStringLiteral("Imaginary unit"), imaginaryUnit_);
    keypadLayout->addRow(gammaFunction_);

    auto* log = new QGroupBox(QStringLiteral("Log"), this);
    logPopup_ = CheckBox(QStringLiteral("Pop-up on new message if hidden"), log);
    auto* logLayout = new QVBoxLayout(log);
    logLayout->addWidget(logPopup_);

    auto* calculation = new QGroupBox(QStringLiteral("Calculation"), this);
    trigonometricUnits_ =
        DropDown(QStringLiteral("Trigonometric units"), TrigonometricUnitNames(), calculation);
    freeConfirmation_ = CheckBox(QStringLiteral("Memory free confirmation"), calculation);
    clearConfirmation_ = CheckBox(QStringLiteral("Clear confirmation"), calculation);
    useSSE2_ = CheckBox(QStringLiteral("Use SSE2 processor module"), calculation);
    useSSE2_->setEnabled(sse2Available);
    auto* calculationLayout = new QFormLayout(calculation);
    calculationLayout->addRow(QStringLiteral("Trigonometric units"), trigonometricUnits_);
    calculationLayout->addRow(freeConfirmation_);
    calculationLayout->addRow(clearConfirmation_);
    calculationLayout->addRow(useSSE2_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);
    QPushButton* defaults = buttons->addButton(QStringLiteral("Default"), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("Default"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CCalcPreferences::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCalcPreferences::reject);
    connect(defaults, &QPushButton::clicked, this, &CCalcPreferences::RestoreDefaults);

    auto* grid = new QGridLayout;
    grid->addWidget(editor, 0, 0);
    grid->addWidget(log, 1, 0);
    grid->addWidget(keypad, 0, 1, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(calculation);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    TransferToControls();
}

void CCalcPreferences::accept() {
    const std::optional<int> size = ParseFontSizeText(fontSize_->text());
    if (!size) {
        CalcMessageBox(QStringLiteral("Enter an integer."),
                       MessageType{MessageButtons::Close, MessageIcon::Exclamation});
        fontSize_->setFocus();
        fontSize_->selectAll();
        return;
    }
    TransferFromControls(ClampFontSize(*size));
    QDialog::accept();
}

void CCalcPreferences::RestoreDefaults() {
    copy_ = Preferences{};
    TransferToControls();
}

void CCalcPreferences::TransferToControls() {
    fontSize_->setText(QString::number(copy_.fontSize));
    syntaxHighlighting_->setChecked(copy_.syntaxHighlighting != 0);
    SelectIndex(notation_, copy_.notation);
    SelectIndex(imaginaryUnit_, copy_.formatI);
    gammaFunction_->setChecked(copy_.gammaFunction != 0);
    logPopup_->setChecked(copy_.logPopup != 0);
    SelectIndex(trigonometricUnits_, copy_.trigonometricUnits);
    freeConfirmation_->setChecked(copy_.freeConfirmation != 0);
    clearConfirmation_->setChecked(copy_.clearConfirmation != 0);
    useSSE2_->setChecked(copy_.useSSE2 != 0);
}

void CCalcPreferences::TransferFromControls(int fontSize) {
    // An unchanged check box keeps its stored number (a LogPopup of 7 stays 7).
    const auto checked = [](QCheckBox* box, std::int32_t stored) -> std::int32_t {
        return box->isChecked() ? (stored != 0 ? stored : 1) : 0;
    };
    copy_.fontSize = fontSize;
    copy_.syntaxHighlighting = checked(syntaxHighlighting_, copy_.syntaxHighlighting);
    copy_.notation = notation_->currentIndex();
    copy_.formatI = imaginaryUnit_->currentIndex();
    copy_.gammaFunction = checked(gammaFunction_, copy_.gammaFunction);
    copy_.logPopup = checked(logPopup_, copy_.logPopup);
    copy_.trigonometricUnits = trigonometricUnits_->currentIndex();
    copy_.freeConfirmation = checked(freeConfirmation_, copy_.freeConfirmation);
    copy_.clearConfirmation = checked(clearConfirmation_, copy_.clearConfirmation);
    copy_.useSSE2 = checked(useSSE2_, copy_.useSSE2);
}

void AcceptPreferences(PreferenceStore& store, const Preferences& values) {
    store.values = values;
    store.changed = true;
}
