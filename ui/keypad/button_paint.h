#pragma once
// What a key paints with, and one painter per drawing. Each painter draws a key of the
// given size at (0, 0); PaintButton picks the painter and the off-screen picture.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

#include "ui/keypad/button_style.h"

class QPainter;
class QStyle;
class QWidget;

struct ButtonLook {
    QString text;
    QFont font;
    QColor face;      // the face colour in use (the system's or the key's own)
    QColor textColor; // the text colour in use
    bool pressedLook = false;
    bool selected = false; // held down by the keyboard
    bool hover = false;
    bool insideFace = false;
    bool focus = false;
    bool hideFocus = false; // no focus rectangle until the keyboard is used
    bool disabled = false;
    bool defaultMark = false;
    bool useSystemFace = true;
    bool useSystemText = true;
    QPalette palette; // the system's button colours
};

// The platform theme: the application's style, asked on behalf of the key's widget.
struct ButtonTheme {
    const QStyle* style = nullptr;
    const QWidget* widget = nullptr;
};

// Paints the key onto the target; every drawing but the fully themed one goes through an
// off-screen picture copied in one step.
void PaintButton(QPainter& target, QSize size, qreal pixelRatio, ButtonDrawing drawing,
                 const ButtonLook& look, const ButtonTheme& theme);

void PaintClassic(QPainter& painter, QSize size, const ButtonLook& look);
void PaintVantor(QPainter& painter, QSize size, const ButtonLook& look);
void PaintXP(QPainter& painter, QSize size, const ButtonLook& look, const ButtonTheme& theme);
void PaintVista(QPainter& painter, QSize size, const ButtonLook& look, const ButtonTheme& theme);

// The drawings of the themed styles paint directly with the theme when the key is
// disabled or takes both its colours from the system.
bool PaintsFullyThemed(const ButtonLook& look);

// Shared by the painters.
inline constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine;
void DrawFocusRectangle(QPainter& painter, const QRect& rect, const ButtonLook& look);
// Dark at the top-left corner to white at the bottom-right, in bands parallel to the
// other diagonal.
QBrush DiagonalShadow(QSize size, QRgb from, QRgb to);
