// The window as a citizen of the desktop: readable in a dark colour scheme, Qt's own texts in
// German, and the icon in every size a desktop shows. (The names the desktop matches the window
// by are checked on the installed package, on X11 and on Wayland.)
#include "window/application.h"
#include "window/packed_image.h"
#include "window_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb))
        + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of text as drawn in rect of widget: its background is the colour most of the
// pixels have, and its text the pixel that stands out from that background the most (the inside
// of a stroke, which anti-aliasing leaves in the text's own colour).
double drawnContrast(QWidget *widget, const QRect &rect)
{
    const QImage image = widget->grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb background = std::ranges::max_element(counts, {}, [](const auto &entry) {
                                return entry.second;
                            })->first;
    double most = 1.0;
    for (const auto &[colour, count] : counts)
        most = std::max(most, contrast(colour, background));
    return most;
}

QPalette darkScheme()
{
    QPalette palette(QColor(0x35, 0x35, 0x35)); // buttons and window
    palette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2a, 0x2a));
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, QColor(0xee, 0xee, 0xee));
    return palette;
}

} // namespace

class WindowDesktopTest : public WindowFixture
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        close();
        QApplication::setPalette(QPalette());
    }

    void everyTextIsReadableInADarkScheme()
    {
        QApplication::setPalette(darkScheme());
        open(u"ger"_s);
        constexpr double wanted = 4.5; // WCAG AA for text of this size

        auto *list = widget<QListWidget>("List1");
        QVERIFY(list->count() > 2);
        QVERIFY(list->currentRow() != 1); // a row drawn without the selection's colours
        const QRect row = list->visualItemRect(list->item(1));
        const double listContrast = drawnContrast(list->viewport(), row);
        QVERIFY2(listContrast >= wanted, qPrintable(u"result list: %1:1"_s.arg(listContrast)));

        int readOuts = 0;
        for (const char *name : {"Text2", "Text3", "Text4", "Text5", "Text6"}) {
            auto *box = widget<QLineEdit>(name);
            if (box->text().isEmpty())
                continue;
            ++readOuts;
            const double boxContrast = drawnContrast(box, box->rect().adjusted(3, 3, -3, -3));
            QVERIFY2(boxContrast >= wanted,
                     qPrintable(u"%1: %2:1"_s.arg(QLatin1StringView(name)).arg(boxContrast)));
        }
        QVERIFY(readOuts >= 3);

        // The search box and the captions follow the scheme: they stay readable on its colours.
        auto *search = widget<QLineEdit>("Text1");
        const double searchContrast = drawnContrast(search, search->rect().adjusted(3, 3, -3, -3));
        QVERIFY2(searchContrast >= wanted, qPrintable(u"search: %1:1"_s.arg(searchContrast)));
        auto *caption = widget<QLabel>("Label3");
        const double captionContrast = drawnContrast(caption, caption->rect());
        QVERIFY2(captionContrast >= wanted, qPrintable(u"caption: %1:1"_s.arg(captionContrast)));
    }

    void contextMenuSpeaksGerman()
    {
        open();
        auto *search = widget<QLineEdit>("Text1");
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                    search->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(search, &menuEvent);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QStringList texts;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().section(u'\t', 0, 0).remove(u'&');
        menu->close();
        for (const QString &german : {u"Rückgängig"_s, u"Ausschneiden"_s, u"Kopieren"_s,
                                      u"Einfügen"_s, u"Alles auswählen"_s})
            QVERIFY2(texts.contains(german), qPrintable(texts.join(u", ")));
    }

    void iconComesInTheSizesAWindowShows()
    {
        // The larger sizes the desktop takes from the hicolor theme (the package test checks
        // them); the window carries what a window manager shows.
        open();
        const QIcon icon = m_window->windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : {32, 64}) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.pixelColor(size / 2, size / 2).alpha() == 255); // the globe, not a hole
            QVERIFY(image.pixelColor(0, 0).alpha() == 0);                 // transparent around it
        }
        // The 32 x 32 window icon is the picture it has always been (its pack holds the committed
        // file's pixels).
        QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).toImage(),
                 orbisco::ui::packedImage(u":/images/globe.argb"_s));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    orbisco::ui::setUpApplication(app);
    WindowDesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_desktop_test.moc"
