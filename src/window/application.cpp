#include "window/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

namespace orbisco::ui {

void setUpApplication(QApplication &app)
{
    // Qt's xcb platform reports the application name as the window's class.
    QApplication::setApplicationName(QLatin1StringView(windowClass));
    QApplication::setApplicationVersion(QStringLiteral(ORBISCO_VERSION));
    QGuiApplication::setDesktopFileName(QLatin1StringView(desktopEntryId));

    // Without Debian's Qt translations (qt6-translations-l10n) Qt's texts stay English.
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QIcon programIcon()
{
    // What a window manager shows, 16 to 64 pixels; Qt decodes every file it is given before the
    // window is shown, and the desktop takes the larger sizes from the installed hicolor theme.
    QIcon icon(QStringLiteral(":/images/globe.png"));
    icon.addFile(QStringLiteral(":/images/globe-64.png"), QSize(64, 64));
    return icon;
}

} // namespace orbisco::ui
