#pragma once
// One picture at its own size.

#include <QImage>

#include "ui/resources/image_resources.h"

class VaBitmap {
  public:
    // Replaces the held picture by the resource at its own size; a failed load leaves none.
    bool LoadPng(VaImageId id);

    const QImage& Picture() const { return picture_; }
    bool Holds() const { return !picture_.isNull(); }

  private:
    QImage picture_;
};
