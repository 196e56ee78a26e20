#include "ui/resources/va_bitmap.h"

bool VaBitmap::LoadPng(VaImageId id) {
    picture_ = QImage();
    picture_ = DecodeImage(id, NominalSize(id));
    return Holds();
}
