#include "window/local_time_label.h"

#include "viewmodel/window_model.h"
#include "window/look.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

namespace orbisco::ui {

LocalTimeLabel::LocalTimeLabel(viewmodel::WindowModel &model, QWidget *parent)
    : QLabel(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("Ortszeit"));
    setAccessibleName(QStringLiteral("Ortszeit"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusPolicy(Qt::TabFocus);
    // The text keeps clear of the focus frame drawn along the edges.
    setContentsMargins(kFocusFrameWidth + 1, 0, kFocusFrameWidth + 1, 0);
    m_afterFocusChange.setSingleShot(true);
    m_afterFocusChange.setInterval(0);
    connect(&m_afterFocusChange, &QTimer::timeout, this, &LocalTimeLabel::showDetails);
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
}

void LocalTimeLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    elide();
}

void LocalTimeLabel::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    m_showOnRelease
        = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    // Once the focus change is done: Qt hides tool tips while it moves the focus.
    m_afterFocusChange.start();
}

void LocalTimeLabel::keyPressEvent(QKeyEvent *event)
{
    if (m_model.timeKey(event->key(), event->modifiers() & Qt::ShiftModifier))
        return;
    QLabel::keyPressEvent(event);
}

void LocalTimeLabel::mousePressEvent(QMouseEvent *event)
{
    if (m_model.backToNow())
        return;
    QLabel::mousePressEvent(event);
}

void LocalTimeLabel::keyReleaseEvent(QKeyEvent *event)
{
    QLabel::keyReleaseEvent(event);
    if (m_showOnRelease && !event->isAutoRepeat()) {
        m_showOnRelease = false;
        showDetails();
    }
}

void LocalTimeLabel::showDetails()
{
    if (hasFocus() && !toolTip().isEmpty())
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
