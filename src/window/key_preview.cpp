#include "window/key_preview.h"

#include "app/form1.h"
#include "window/input_codes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace orbisco::ui {

KeyPreview::KeyPreview(QWidget *window, Form1 &form)
    : QObject(window)
    , m_window(window)
    , m_form(form)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
        || static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    m_form.raiseKeyDown(keyCode(key->key()), shiftState(key->modifiers()));
    return m_form.hasEnded();
}

} // namespace orbisco::ui
