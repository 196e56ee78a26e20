#pragma once
// A text that opens a web address when clicked, or when Space or Enter is pressed on it;
// underlined while it has the focus. Its dialog draws it into the dialog's picture.

#include <QAbstractButton>
#include <QUrl>

#include <optional>

class VaLink : public QAbstractButton {
  public:
    VaLink(const QString& text, QUrl address, QWidget* dialog);

    void SetFont(std::optional<QFont> font) { font_ = std::move(font); }
    void SetColours(QRgb text, QRgb background);
    const QUrl& Address() const { return address_; }

    // The text with one "l" more, so that the underline and the halo fit.
    QSize PreferredSize();
    bool DrawTo(QPainter& painter) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void Open() const;
    std::optional<QFont> ShownFont() const;

    QUrl address_;
    std::optional<QFont> font_;
    QRgb textColour_ = 0xFE00A0E8;
    QRgb background_ = 0xFFF8F8F8;
};
