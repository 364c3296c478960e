#include "window/application.h"

#include "window/packed_image.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
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
    // What a window manager shows, 16 to 64 pixels; the desktop takes the larger sizes from the
    // installed hicolor theme.
    QIcon icon;
    for (const auto *pack : {":/images/globe.argb", ":/images/globe-64.argb"})
        icon.addPixmap(QPixmap::fromImage(packedImage(QLatin1StringView(pack))));
    return icon;
}

} // namespace orbisco::ui
