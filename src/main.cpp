#include "app/command_line.h"
#include "app/form1.h"
#include "window/main_window.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Every argument is search text: Qt sees only the program's name, and takes its own options
    // from the environment (QT_QPA_PLATFORM, QT_SCALE_FACTOR, ...).
    const QString searchText = orbisco::commandLineText(argc, argv);
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);

    orbisco::Form1 form(searchText);
    QObject::connect(&form, &orbisco::Form1::ended, &app, &QCoreApplication::quit);
    form.raiseLoad(); // the window is first shown already filled

    orbisco::ui::MainWindow window(form);
    window.centreOnScreen();
    window.show();
    return app.exec();
}
