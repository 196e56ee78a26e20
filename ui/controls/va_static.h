#pragma once
// A line of text with a light halo in the program's own dialogs. It paints nothing on
// screen: its dialog draws it into the dialog's picture.

#include <QFont>
#include <QWidget>

#include <optional>

class VaStatic : public QWidget {
  public:
    VaStatic(const QString& text, QWidget* dialog);

    void SetFont(std::optional<QFont> font) { font_ = std::move(font); }
    void SetTextColour(QRgb colour) { colour_ = colour; }
    const QString& Text() const { return text_; }
    void SetText(const QString& text);

    // Sizes the line to its text (trailing spaces included) and returns the size.
    QSize PreferredSize();
    // Without a font nothing is drawn; true when the text was drawn.
    bool DrawTo(QPainter& painter) const;
    // Fills the line's rectangle, before a changed text is drawn again.
    void FillBackground(QPainter& painter, QRgb colour) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    std::optional<QFont> font_;
    QRgb colour_ = 0xFE000000;
};
