// The local-time read-out in the free band under the result list. It adds to QLabel what a
// one-line read-out of changing length needs: the text is elided to the band's width, the whole
// answer stands in its tool tip and accessible description, and it takes the keyboard focus (last
// in the tab order), showing a focus frame and its tool tip, so that keyboard users read the whole
// answer too. Page Up, Page Down and J move the shown time, and a click brings it back to now.
#pragma once

#include <QLabel>
#include <QTimer>

namespace orbisco::viewmodel {
class WindowModel;
}

namespace orbisco::ui {

class LocalTimeLabel : public QLabel
{
    Q_OBJECT

public:
    LocalTimeLabel(viewmodel::WindowModel &model, QWidget *parent);

    // Shows text, elided to the width, and details as tool tip and accessible description.
    void showTime(const QString &text, const QString &details);
    const QString &fullText() const { return m_fullText; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void elide();
    void showDetails();

    viewmodel::WindowModel &m_model;
    QString m_fullText;
    // Qt hides a tool tip at any key's release: the release of the Tab that brought the focus
    // here would take the answer away again at once. It shows again then.
    bool m_showOnRelease = false;
    QTimer m_afterFocusChange;
};

} // namespace orbisco::ui
