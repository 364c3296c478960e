#include "window/map_widget.h"

#include <QMouseEvent>

namespace orbisco::ui {

MapWidget::MapWidget(QWidget *parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

void MapWidget::mousePressEvent(QMouseEvent *event)
{
    if (onPress)
        onPress(event);
    event->accept();
}

} // namespace orbisco::ui
