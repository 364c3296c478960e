// The yardstick for start-up: a bare Qt Widgets window with a line edit and a 243-row list.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(634, 559);
    auto *edit = new QLineEdit(&window);
    edit->setGeometry(16, 8, 233, 25);
    auto *list = new QListWidget(&window);
    list->setGeometry(16, 40, 233, 116);
    for (int i = 0; i < 243; ++i)
        list->addItem(QStringLiteral("Country number %1 XX").arg(i));
    QObject::connect(edit, &QLineEdit::textEdited, list, [list](const QString &text) {
        // Rebuild the list on every keystroke, as a search does.
        list->clear();
        for (int i = 0; i < 243; ++i) {
            const QString entry = QStringLiteral("Country number %1 XX").arg(i);
            if (entry.contains(text, Qt::CaseInsensitive))
                list->addItem(entry);
        }
    });
    window.show();
    return app.exec();
}
