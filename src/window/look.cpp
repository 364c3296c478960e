#include "window/look.h"

#include "controls/controls.h"

#include <QColor>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace orbisco::ui {

QFont toQFont(const FontSpec &wanted)
{
    QFont font(wanted.family.toString());
    font.setPointSizeF(wanted.pointSize);
    font.setBold(wanted.bold);
    return font;
}

void applyLook(QWidget *widget, const ControlLayout &layout)
{
    widget->setObjectName(layout.name.toString());
    if (!layout.font.family.isEmpty())
        widget->setFont(toQFont(layout.font));
    if (!layout.toolTip.isEmpty())
        widget->setToolTip(layout.toolTip.toString());
    if (layout.background) {
        // A fixed background keeps the dark text it was chosen for: a dark colour scheme's light
        // text would be unreadable on it. Selections keep the scheme's colours.
        QPalette palette = widget->palette();
        const QColor colour = QColor::fromRgb(*layout.background);
        palette.setColor(QPalette::Base, colour);
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::black);
        widget->setPalette(palette);
    }
}

void place(QWidget *widget, const Control &control, QPoint offset)
{
    widget->setGeometry(offset.x() + toPixels(control.Left()), offset.y() + toPixels(control.Top()),
                        toPixels(control.Width()), toPixels(control.Height()));
}

QPixmap pixmapFor(const QWidget *widget, const QString &path)
{
    if (widget->devicePixelRatio() > 1.0) {
        QString dense = path;
        dense.insert(path.lastIndexOf(u'.'), QStringLiteral("@2x"));
        QPixmap pixmap(dense);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(path);
}

void drawFocusFrame(QWidget *widget, QPainter &painter, const QRect &rect)
{
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = rect;
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
}

} // namespace orbisco::ui
