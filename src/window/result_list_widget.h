// The result list. It adds to QListWidget what the search has to say where it finds nothing:
// while the list is empty, its own area shows suggestions by German name, in grey, each a line
// under "Meinten Sie:", without becoming entries; a click on one chooses it. And an entry's tool
// tip is its country's German name, looked up when the tool tip is about to show.
#pragma once

#include "facts/german_search.h"

#include <QListWidget>

#include <vector>

namespace orbisco::ui {

class ResultListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit ResultListWidget(QWidget *parent);

    // What to show while the list is empty, and say to screen readers; none for nothing.
    void showSuggestions(std::vector<facts::Suggestion> suggestions);
    const std::vector<facts::Suggestion> &suggestions() const { return m_suggestions; }
    // Where suggestion i's line stands in the viewport.
    QRect suggestionRect(size_t i) const;

signals:
    // A click on suggestion `index`.
    void suggestionChosen(size_t index);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool showsSuggestions() const { return count() == 0 && !m_suggestions.empty(); }

    std::vector<facts::Suggestion> m_suggestions;
};

} // namespace orbisco::ui
