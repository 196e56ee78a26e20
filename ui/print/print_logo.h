#pragma once
// The logo at the left of the header, square on paper; white parts let the page show.

class QPainter;
class QRect;

void DrawPrintLogo(QPainter& painter, const QRect& target);
