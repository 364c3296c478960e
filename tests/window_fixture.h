#pragma once

#include "app/form1.h"
#include "window/main_window.h"

#include <QObject>
#include <QTest>

#include <memory>

// What the window tests share: a loaded form shown in a real window, and its widgets by name.
class WindowFixture : public QObject
{
protected:
    std::unique_ptr<orbisco::Form1> m_form;
    std::unique_ptr<orbisco::ui::MainWindow> m_window;

    // clock: the instant now for the local time and the map's column times; the system's if empty.
    void open(const QString &commandLine = {},
              const orbisco::localtime::MinuteClock::Clock &clock = {})
    {
        m_window.reset();
        m_form = std::make_unique<orbisco::Form1>(commandLine);
        m_form->raiseLoad();
        m_window = std::make_unique<orbisco::ui::MainWindow>(*m_form, clock);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void close()
    {
        m_window.reset();
        m_form.reset();
    }

    template <typename T>
    T *widget(const char *name)
    {
        T *found = m_window->findChild<T *>(QLatin1StringView(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
};
