#pragma once
// One picture at the size a dialog's layout asks for, and where the dialog draws it.

#include <QImage>
#include <QPoint>

#include "ui/resources/image_resources.h"

class QPainter;

class VaImage {
  public:
    // Replaces the held picture by the resource at width x height (logical pixels, drawn
    // with devicePixelRatio device pixels each). On failure the new, transparent picture
    // stays held.
    bool LoadPngScaled(VaImageId id, int width, int height, qreal devicePixelRatio = 1.0);
    // Draws the picture at Position() at its own size; false when none is held.
    bool DrawTo(QPainter& painter) const;

    void SetPosition(QPoint position) { position_ = position; }
    QPoint Position() const { return position_; }
    const QImage& Picture() const { return picture_; }

  private:
    QImage picture_;
    QPoint position_;
};
