#pragma once
// What a QPrinter says about its sheet, and how a job sets it up: the painter's origin at
// the printable area's corner, whose edges are the printer's own unprintable border (the
// user's margins are applied on top of it by the page layout).

#include <QPageSize>

#include "ui/print/page_geometry.h"

class QPrinter;

void PreparePrinter(QPrinter& printer);
DeviceGeometry GeometryOf(const QPrinter& printer);

// The standard paper of a key such as "A4" or "Letter"; invalid when there is none.
QPageSize PageSizeOfKey(const QString& key);
