#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>

// A test whose timers and queued signals need an application object, as the window's followers
// and clock do.
class CoreApplicationTest : public testing::Test
{
    int m_argc = 1;
    char m_name[8] = "orbisco";
    char *m_argv[2] = {m_name, nullptr};
    QCoreApplication m_app{m_argc, m_argv};
};
