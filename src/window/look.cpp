#include "window/look.h"

#include "controls/controls.h"
#include "window/packed_image.h"

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <iterator>
#include <utility>

namespace orbisco::ui {

QFont toQFont(const FontSpec &wanted)
{
    // Asked for by a family that is installed: Debian's fonts-liberation has the families
    // metrically compatible with the ones the window was designed in, so the window does not
    // depend on fontconfig's aliases for families it lacks. The designed family stays behind, for
    // a system that has it and not these.
    static constexpr std::pair<QStringView, QStringView> kInstalled[]
        = {{u"Arial", u"Liberation Sans"}, {u"Arial Narrow", u"Liberation Sans Narrow"}};
    QFont font;
    const auto installed
        = std::ranges::find(kInstalled, wanted.family, &std::pair<QStringView, QStringView>::first);
    if (installed != std::end(kInstalled))
        font.setFamilies({installed->second.toString(), wanted.family.toString()});
    else
        font.setFamily(wanted.family.toString());
    font.setPointSizeF(wanted.pointSize);
    font.setBold(wanted.bold);
    return font;
}

QFont withoutFallbacks(QFont font)
{
    font.setStyleStrategy(QFont::NoFontMerging);
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

void place(QWidget *widget, const ControlLayout &layout)
{
    widget->setGeometry(toPixels(layout.left), toPixels(layout.top), toPixels(layout.width),
                        toPixels(layout.height));
}

QPixmap pixmapFor(const QWidget *widget, const QString &path)
{
    if (widget->devicePixelRatio() > 1.0) {
        QString dense = path;
        dense.insert(path.lastIndexOf(u'.'), QStringLiteral("@2x"));
        QPixmap pixmap = QPixmap::fromImage(packedImage(dense));
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap::fromImage(packedImage(path));
}

QPixmap flagFor(const QWidget *widget, const QString &code)
{
    if (code.isEmpty())
        return {};
    const bool dense = widget->devicePixelRatio() > 1.0;
    QPixmap flag(QStringLiteral(":/flags/%1%2.png")
                     .arg(code.toLower(), dense ? QStringLiteral("@2x") : QString()));
    if (dense)
        flag.setDevicePixelRatio(2.0);
    return flag;
}

void drawFocusFrame(QWidget *widget, QPainter &painter, const QRect &rect)
{
    // An outline only: a style's focus frame may fill what it frames (Fusion lays a translucent
    // highlight over the whole rectangle), which would wash out a whole map.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), kFocusFrameWidth));
    const qreal middle = kFocusFrameWidth / 2.0; // of the pen, inside the rectangle
    painter.drawRect(QRectF(rect).adjusted(middle, middle, -middle, -middle));
    painter.restore();
}

} // namespace orbisco::ui
