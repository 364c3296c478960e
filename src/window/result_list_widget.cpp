#include "window/result_list_widget.h"

#include "data/country_codes.h"
#include "facts/region_names.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace orbisco::ui {

namespace {
constexpr int kMargin = 3;
} // namespace

ResultListWidget::ResultListWidget(QWidget *parent)
    : QListWidget(parent)
{}

void ResultListWidget::showSuggestions(std::vector<facts::Suggestion> suggestions)
{
    if (suggestions == m_suggestions)
        return;
    m_suggestions = std::move(suggestions);
    setAccessibleDescription(facts::suggestionDescription(m_suggestions)); // announced by Qt
    viewport()->update();
}

QRect ResultListWidget::suggestionRect(size_t i) const
{
    // The first line says what follows; each suggestion a line below it.
    const int line = fontMetrics().height();
    return QRect(kMargin, kMargin + line * int(i + 1), viewport()->width() - 2 * kMargin, line);
}

void ResultListWidget::paintEvent(QPaintEvent *event)
{
    QListWidget::paintEvent(event);
    if (!showsSuggestions())
        return;
    QPainter painter(viewport());
    painter.setPen(QColor(0x60, 0x60, 0x60)); // grey on the list's fixed light grey
    const int line = fontMetrics().height();
    painter.drawText(QRect(kMargin, kMargin, viewport()->width() - 2 * kMargin, line),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Meinten Sie:"));
    for (size_t i = 0; i < m_suggestions.size(); ++i) {
        const QRect rect = suggestionRect(i);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(facts::suggestionLine(m_suggestions[i]),
                                                  Qt::ElideRight, rect.width()));
    }
}

bool ResultListWidget::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QListWidgetItem *entry = itemAt(help->pos());
    const QString name = entry ? facts::germanName(entryCode(entry->text())) : QString();
    if (name.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), name, viewport(), visualItemRect(entry));
    return true;
}

void ResultListWidget::mousePressEvent(QMouseEvent *event)
{
    if (showsSuggestions()) {
        for (size_t i = 0; i < m_suggestions.size(); ++i) {
            if (suggestionRect(i).contains(event->position().toPoint())) {
                emit suggestionChosen(i);
                return;
            }
        }
    }
    QListWidget::mousePressEvent(event);
}

} // namespace orbisco::ui
