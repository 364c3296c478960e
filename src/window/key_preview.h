// The window's key preview: every key pressed in the window reaches the form's KeyDown first,
// whichever control has the focus, so Escape ends the program from anywhere. It adds to QObject an
// application-wide event filter that passes on only the keys of its own window: a key pressed in
// another top-level window, such as a text box's context menu, stays there (Escape closes the
// menu, not the program).
#pragma once

#include <QObject>

class QWidget;

namespace orbisco {
class Form1;
}

namespace orbisco::ui {

class KeyPreview : public QObject
{
    Q_OBJECT

public:
    KeyPreview(QWidget *window, Form1 &form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    Form1 &m_form;
};

} // namespace orbisco::ui
