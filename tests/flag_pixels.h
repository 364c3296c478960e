#pragma once

#include "window/text_box_widget.h"

#include <QColor>
#include <QImage>

// Whether a box shows Germany's flag where it says it stands, at the screen's density: black, red
// and gold from top to bottom as the flag has them, in a grey frame, each stripe one colour
// across (crisp: no blurred rows at the stripes' middles).
inline bool showsGermanFlag(orbisco::ui::TextBoxWidget *box)
{
    const QImage image = box->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const QRectF flag = QRectF(box->flagRect());
    const auto at = [&](double x, double y) {
        return QColor(image.pixel((QPointF(x, y) * ratio).toPoint()));
    };
    const double third = flag.height() / 3;
    bool stripes = true;
    for (double x = flag.left() + 1; x < flag.right() - 1; x += 1) {
        const QColor black = at(x, flag.top() + third / 2);
        const QColor red = at(x, flag.top() + third * 1.5);
        const QColor gold = at(x, flag.top() + third * 2.5);
        stripes = stripes && black.value() < 40 && red.red() > 190 && red.green() < 50
            && gold.red() > 230 && gold.green() > 180 && gold.blue() < 60;
    }
    const QColor frame = at(flag.left() - 1, flag.center().y());
    const bool grey = std::abs(frame.red() - 0x80) < 24 && frame.red() == frame.blue();
    return stripes && grey;
}
