#include "ui/keypad/calc_key_pad.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSettings>

#include "ui/keypad/color_button.h"

CCalcKeyPad::CCalcKeyPad(PreferenceSource preferences, QWidget* parent)
    : QWidget(parent), preferences_(std::move(preferences)) {
    setObjectName(QStringLiteral("Keypad"));
    setAccessibleName(QStringLiteral("Keypad"));
    for (int i = 0; i < kKeyCount; ++i) {
        const KeypadKey& key = KeypadKeys()[static_cast<size_t>(i)];
        auto* button = new CColorButton(key.id, this);
        button->setObjectName(QStringLiteral("Key%1").arg(key.id));
        button->SetContextHelpId(ContextHelpId(key, gammaShown_));
        button->setAccessibleName(AccessibleNameOf(key, gammaShown_));
        // The press is posted: it runs after the key has finished with the pointer.
        connect(button, &CColorButton::commandPosted, this, &CCalcKeyPad::Press, Qt::QueuedConnection);
        buttons_[static_cast<size_t>(i)] = button;
    }
    // The focus comes back to the key that had it last, at first to the first key.
    setFocusProxy(buttons_[0]);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->parentWidget() == this)
            setFocusProxy(now);
    });
    SetCaptions(false);
    spacing_ = SpacingFromBaseUnits(BaseUnitsOf(QFontMetrics(font(), this)));

    {
        const QSettings settings;
        look_ = ReadKeypadLook(settings, DpiY());
    }
    LoadKeypadFont();
    LayoutButtons();
    for (bool text : {true, false}) {
        if (text ? look_.systemText : look_.systemFace) {
            UseSystemColors(text);
        } else {
            for (KeyGroup group : {KeyGroup::Function, KeyGroup::Digit, KeyGroup::Service})
                ApplyGroupColors(group, text);
        }
    }
    SetStyle(look_.style, false);
}

CCalcKeyPad::~CCalcKeyPad() {
    QSettings settings;
    WriteKeypadLook(settings, look_);
}

CColorButton* CCalcKeyPad::Button(int id) const {
    const int index = KeyIndex(id);
    return index >= 0 ? buttons_[static_cast<size_t>(index)] : nullptr;
}

int CCalcKeyPad::DpiY() const {
    return logicalDpiY();
}

void CCalcKeyPad::Press(int id) {
    const int index = KeyIndex(id);
    if (receiver == nullptr || index < 0)
        return;
    const KeyPress press = PressOf(KeypadKeys()[static_cast<size_t>(index)], preferences_());
    if (!press.text.empty())
        receiver->ReceiveText(press.text);
    if (press.command)
        receiver->ReceiveCommand(*press.command);
}

void CCalcKeyPad::SetCaptions(bool imaginaryJ) {
    for (int i = 0; i < kKeyCount; ++i) {
        const KeypadKey& key = KeypadKeys()[static_cast<size_t>(i)];
        buttons_[static_cast<size_t>(i)]->setText(CaptionOf(key, notationShown_, gammaShown_, imaginaryJ));
    }
}

void CCalcKeyPad::RefreshCaptions() {
    const KeypadPreferences preferences = preferences_();
    const int notation = preferences.notation != 0 ? 1 : 0;
    const bool notationChanged = notation != notationShown_;
    const bool gammaChanged = preferences.gamma != gammaShown_;
    notationShown_ = notation;
    gammaShown_ = preferences.gamma;
    SetCaptions(preferences.imaginaryJ);
    if (gammaChanged) {
        const KeypadKey& factorial = KeypadKeys()[static_cast<size_t>(KeyIndex(kFactorialKeyId))];
        Button(kFactorialKeyId)->SetContextHelpId(ContextHelpId(factorial, gammaShown_));
        Button(kFactorialKeyId)->setAccessibleName(AccessibleNameOf(factorial, gammaShown_));
    }
    if (notationChanged)
        LayoutButtons();
    if (notationChanged || gammaChanged)
        update();
}

void CCalcKeyPad::LayoutButtons() {
    const QFontMetrics metrics(keypadFont_, this);
    const KeypadLayout layout = LayOutKeys(MeasureKeys(metrics, preferences_().notation), spacing_);
    for (int i = 0; i < kKeyCount; ++i)
        buttons_[static_cast<size_t>(i)]->setGeometry(layout.keys[static_cast<size_t>(i)]);
    if (size() != layout.size || minimumSize() != layout.size) {
        setFixedSize(layout.size);
        emit dialogSizeChanged(layout.size);
    }
}

// Ctrl+Shift+K puts the focus into the keypad: from inside it, the keys do nothing.
bool CCalcKeyPad::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->keyCombination() ==
            QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_K)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void CCalcKeyPad::keyPressEvent(QKeyEvent* event) {
    if (event->keyCombination() == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_K)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
