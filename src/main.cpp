#include "app/command_line.h"
#include "app/form1.h"
#include "window/application.h"
#include "window/main_window.h"

#include <QApplication>

#include <cstdio>

namespace {

// Prints text to standard output; the exit status says whether all of it was written.
int printed(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout)
        == std::size_t(bytes.size());
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    switch (orbisco::commandLineRequest(argc, argv)) {
    case orbisco::CommandLineRequest::Usage:
        return printed(orbisco::usageText());
    case orbisco::CommandLineRequest::Version:
        return printed(orbisco::versionText());
    case orbisco::CommandLineRequest::Search:
        break;
    }

    // Every argument is search text: Qt sees only the program's name, and takes its own options
    // from the environment (QT_QPA_PLATFORM, QT_SCALE_FACTOR, ...).
    const QString searchText = orbisco::commandLineText(argc, argv);
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    orbisco::ui::setUpApplication(app);

    orbisco::Form1 form(searchText);
    QObject::connect(&form, &orbisco::Form1::ended, &app, &QCoreApplication::quit);
    form.raiseLoad(); // the window is first shown already filled

    orbisco::ui::MainWindow window(form);
    window.centreOnScreen();
    window.show();
    return app.exec();
}
