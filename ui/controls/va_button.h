#pragma once
// The capsule push button of the program's own dialogs. It paints nothing on screen: its
// dialog draws it into the dialog's picture through DrawTo. Its letter (the one after
// "&" in the text) is underlined.

#include <QImage>
#include <QPushButton>

#include <optional>

#include "ui/controls/button_face.h"
#include "ui/controls/region_button.h"

class VaButton : public RegionButton<QPushButton> {
  public:
    VaButton(const QString& text, QWidget* dialog);

    // Without a font the button draws its face and no text.
    void SetFont(std::optional<QFont> font) { font_ = std::move(font); }
    void SetColours(QRgb text, const ButtonColours& colours);

    // Sizes the button to its text, keeping its position, and returns the size.
    QSize PreferredSize();
    // Draws the button at its position into the picture its dialog paints.
    bool DrawTo(QPainter& painter);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void RenderPictures();

    std::optional<QFont> font_;
    QRgb textColour_ = 0xFE404040;
    ButtonColours colours_;
    QImage normal_;
    QImage pressed_;
};

// The text as shown: "&Yes" is "Yes", "&&" is "&".
QString WithoutMnemonic(const QString& text);
