#pragma once
// The keypad pane: 77 keys that insert names, digits and operators at the editor's
// selection or start calculations, reaching the document only through its receiver;
// its style, font and group colours come from the Set > Keypad menu and are kept.

#include <QFont>
#include <QWidget>

#include <array>
#include <functional>

#include "app/commands/command_id.h"
#include "app/document/cmd_receiver.h"
#include "ui/keypad/keypad_font.h"
#include "ui/keypad/keypad_keys.h"
#include "ui/keypad/keypad_layout.h"
#include "ui/keypad/keypad_look.h"
#include "ui/keypad/keypad_menu.h"

class CColorButton;

class CCalcKeyPad : public QWidget, public ICmdSender {
    Q_OBJECT

  public:
    using PreferenceSource = std::function<KeypadPreferences()>;

    // Reads the look from the settings; the preferences are read at every press.
    explicit CCalcKeyPad(PreferenceSource preferences, QWidget* parent = nullptr);
    // Writes the look to the settings.
    ~CCalcKeyPad() override;

    QSize sizeHint() const override { return size(); }

    CColorButton* Button(int id) const;
    const KeypadLook& Look() const { return look_; }
    KeypadFontMarks FontMarks() const { return fontMarks_; }

    // Brings the captions in line with the notation, Gamma and imaginary-unit preferences.
    void RefreshCaptions();
    void SetStyle(KeypadStyle style, bool redraw);
    KeypadStyle EffectiveStyle() const;
    void SetKeypadFont(KeypadFontKind kind, bool redraw);
    void ChooseGroupColor(KeyGroup group, bool text);
    void ApplyGroupColors(KeyGroup group, bool text);
    void UseSystemColors(bool text);

    // The Set > Keypad commands.
    void RunLookCommand(CommandId id);
    KeypadCommandState LookCommandState(CommandId id) const;

  signals:
    // The keypad took a new size: its pane follows.
    void dialogSizeChanged(QSize size);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Press(int id);
    void SetCaptions(bool imaginaryJ);
    void LayoutButtons();
    void LoadKeypadFont();
    void UseFont(const KeypadFontDescription& description, bool redraw);
    void DefaultGroupColors(bool text);
    KeypadFontDescription SystemFont() const;
    int DpiY() const;

    PreferenceSource preferences_;
    bool gammaShown_ = false;
    int notationShown_ = 1; // the captions start in East notation
    QFont keypadFont_;
    KeypadSpacing spacing_;
    KeypadLook look_; // the font field describes keypadFont_
    KeypadFontMarks fontMarks_;
    std::array<CColorButton*, kKeyCount> buttons_{};
};
