#pragma once

#include "controls/window_layout.h"

#include <QFont>
#include <QPixmap>
#include <QPoint>

class QPainter;
class QRect;
class QWidget;

namespace orbisco::ui {

class Control;

// How the window's widgets take the look the window description gives their controls.
QFont toQFont(const FontSpec &wanted);
// The font for a widget that shows only texts of the program's own (digits, German words): all
// of them in the font itself, so no fallback fonts need looking up for it.
QFont withoutFallbacks(QFont font);
// Object name, font, tool tip and background colour of the control; a control with a background
// of its own also gets dark text.
void applyLook(QWidget *widget, const ControlLayout &layout);
// Puts the widget where the control stands now, offset by the inside of its container.
void place(QWidget *widget, const Control &control, QPoint offset = {});
// Puts the widget where the window description places an addition of the window.
void place(QWidget *widget, const ControlLayout &layout);
// The packed picture (window/packed_image.h) for the widget's screen: on a screen of twice the
// density or more, its 2x pack, drawn sharp at the same logical size.
QPixmap pixmapFor(const QWidget *widget, const QString &path);
// The flag of an ISO 3166-1 code (tools/make-flags.sh) for the widget's screen, sharp at twice the
// density; null for a code without one.
QPixmap flagFor(const QWidget *widget, const QString &code);
// A focus frame inside rect, kFocusFrameWidth pixels wide, for a widget that draws its own focus
// mark.
inline constexpr int kFocusFrameWidth = 2;
void drawFocusFrame(QWidget *widget, QPainter &painter, const QRect &rect);

} // namespace orbisco::ui
