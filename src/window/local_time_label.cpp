#include "window/local_time_label.h"

#include "window/look.h"

#include <QFocusEvent>
#include <QPainter>
#include <QToolTip>

namespace orbisco::ui {

LocalTimeLabel::LocalTimeLabel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("Ortszeit"));
    setAccessibleName(QStringLiteral("Ortszeit"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusPolicy(Qt::TabFocus);
}

void LocalTimeLabel::showTime(const QString &text, const QString &details)
{
    m_fullText = text;
    elide();
    setToolTip(details);
    setAccessibleDescription(details); // Qt tells screen readers of the change
    if (hasFocus() && QToolTip::isVisible())
        QToolTip::showText(mapToGlobal(rect().bottomLeft()), details, this);
}

void LocalTimeLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusFrame(this, painter, rect());
    }
    if (!m_painted) {
        m_painted = true;
        if (onFirstPaint)
            onFirstPaint();
    }
}

void LocalTimeLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void LocalTimeLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    if (!toolTip().isEmpty())
        QToolTip::showText(mapToGlobal(rect().bottomLeft()), toolTip(), this);
}

void LocalTimeLabel::elide()
{
    const QString shown
        = fontMetrics().elidedText(m_fullText, Qt::ElideRight, contentsRect().width());
    if (shown != text())
        setText(shown);
}

} // namespace orbisco::ui
