#pragma once
// The round push button with a picture, used in the memory pane. It paints itself; a
// disabled one shows its normal picture under a white veil, without rings.

#include <QAbstractButton>
#include <QImage>

#include "ui/controls/button_face.h"
#include "ui/controls/region_button.h"
#include "ui/resources/image_resources.h"

class VaButtonBitmap : public RegionButton<QAbstractButton> {
  public:
    VaButtonBitmap(VaImageId image, QWidget* parent);

    void SetColours(const ButtonColours& colours);
    QSize sizeHint() const override { return {52, 52}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // False when the image cannot be loaded: the button stays unpainted.
    bool RenderPictures();

    VaImageId image_;
    ButtonColours colours_;
    QImage normal_;
    QImage pressed_;
};

// Where the picture goes in a W x H button: (p + 3, r + 3) and W - 2p - 6 wide, with
// p = (5W - 30) / 32 and r = (5H - 30) / 32; 32 x 32 at (10, 10) in a 52 x 52 button.
QRect ButtonImageRect(QSize size);
