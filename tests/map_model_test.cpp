// The map as the window shows it, with no display: which column, dot and country lie under a
// position, what the tool tip says, what a key presses, and what the shown country covers.
#include "core_application.h"
#include "form1_probe.h"

#include "viewmodel/window_model.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineF>

#include <cmath>

using namespace orbisco;
using namespace Qt::StringLiterals;

namespace {

// The map's inside as the window places it: inside a frame of 2 pixels, 615 by 358.
const QRect kInside(2, 2, 615, 358);

// Where a place lies in the widget, by the way the picture is drawn: a Miller map of 84° N to
// 66° S on 329 rows below 14 rows of numbers, 360° of longitude from -172.5° on 615 columns.
QPointF onWidget(double latitude, double longitude)
{
    const auto miller = [](double degrees) {
        return 1.25 * std::log(std::tan(M_PI / 4 + 0.4 * degrees * M_PI / 180));
    };
    const double x = std::fmod(longitude + 172.5 + 360, 360) / 360 * 615;
    const double y = 14 + (miller(84) - miller(latitude)) / (miller(84) - miller(-66)) * 329;
    return QPointF(x, y) + kInside.topLeft();
}

class MapModelTest : public CoreApplicationTest
{
protected:
    MapModelTest()
    {
        m_model.map().setInside(kInside);
        m_model.start();
    }

    void show(const QString &query) { m_form->Text1.setText(query); }
    QStringList tipLines(QPointF at)
    {
        const std::optional<map::MapModel::ToolTip> tip = m_model.map().toolTipAt(at);
        return tip ? tip->text.split(u'\n') : QStringList();
    }

    std::unique_ptr<Form1> m_form = loadedForm();
    // Noon UTC at the March equinox: day in Europe and Africa.
    viewmodel::WindowModel m_model{
        *m_form, [] { return QDateTime(QDate(2026, 3, 20), QTime(12, 0), Qt::UTC); }};
};

} // namespace

TEST_F(MapModelTest, TheCountryUnderThePointerIsTheOneThere)
{
    show(u"south africa"_s);
    const map::MapModel &map = m_model.map();
    EXPECT_EQ(map.countryNameAt(onWidget(51.0, 10.0)), u"Deutschland (DE)"_s);
    EXPECT_EQ(map.countryNameAt(onWidget(-29.5, 28.2)), u"Lesotho (LS)"_s); // a hole of ZA's
    EXPECT_EQ(map.countryNameAt(onWidget(-31.0, 23.0)), u"Südafrika (ZA)"_s);
    EXPECT_EQ(map.countryNameAt(onWidget(30.0, -40.0)), QString()); // the Atlantic
    // Not over the bands of numbers above and below the map: there is no land there, though
    // Antarctica and Greenland reach the map's edges.
    EXPECT_EQ(map.countryNameAt(QPointF(onWidget(0, -62.0).x(), kInside.top() + 2)), QString());
    EXPECT_EQ(map.countryNameAt(QPointF(onWidget(0, -62.0).x(), kInside.top() + 350)), QString());
    EXPECT_EQ(map.countryNameAt(QPointF(onWidget(0, -62.0).x(), kInside.top() + 340)),
              u"Antarktis (AQ)"_s);
    // Inside the ring around a small shown country, that country.
    show(u"malta"_s);
    EXPECT_EQ(map.countryNameAt(onWidget(35.9, 14.5) + QPointF(5, 3)), u"Malta (MT)"_s);
}

TEST_F(MapModelTest, TheToolTipTellsTheDotTheCountryAndTheColumn)
{
    show(u"germany"_s);
    const QPointF berlin = onWidget(52.5, 13.0 + 22 / 60.0);
    const QStringList lines = tipLines(berlin + QPointF(2, 1));
    ASSERT_EQ(lines.size(), 3) << lines.join(u" | "_s).toStdString();
    EXPECT_TRUE(lines[0].startsWith(u"Europe/Berlin: Fr. 13:00, Tag, Sonnenaufgang "_s));
    EXPECT_TRUE(m_model.localTime().details().contains(lines[0]));
    EXPECT_EQ(lines[1], u"Deutschland (DE)"_s);
    EXPECT_TRUE(lines[2].startsWith(u"UTC+1 · 13:00 · "_s)) << lines[2].toStdString();
    // Beyond the pointer's reach of the dot, the country and the column; over the sea, the column.
    EXPECT_EQ(tipLines(berlin + QPointF(5, 0)).size(), 2);
    const QStringList sea = tipLines(onWidget(30.0, -40.0));
    ASSERT_EQ(sea.size(), 1);
    EXPECT_TRUE(sea[0].startsWith(u"UTC-3 · 09:00 · "_s)) << sea[0].toStdString();
    // Right of the last column (9288 twips) there is none, and no tool tip.
    EXPECT_FALSE(m_model.map().toolTipAt(QPointF(kInside.left() + 620, 100)));
}

TEST_F(MapModelTest, ColumnsArePressedWhereTheyStand)
{
    const map::MapModel &map = m_model.map();
    // 387 twips a column as the window is designed: the 25th pixel of the picture still belongs to
    // UTC-11 (375 twips), the 26th (390 twips) to UTC-10.
    EXPECT_EQ(map.zoneAt(QPointF(kInside.left() + 25, 100)), -11);
    EXPECT_EQ(map.zoneAt(QPointF(kInside.left() + 26, 100)), -10);
    EXPECT_EQ(map.columnRect(-11), QRect(kInside.left(), kInside.top(), 26, kInside.height()));
    for (qint16 zone = -11; zone < 12; ++zone)
        EXPECT_EQ(map.columnRect(zone).right() + 1, map.columnRect(qint16(zone + 1)).left());
    EXPECT_EQ(map.columnRect(12).right(), kInside.right());
    const map::MapModel::Press press
        = map.pressAt(QPointF(kInside.left() + 26, kInside.top() + 10));
    EXPECT_EQ(press.x, 390.0f);
    EXPECT_EQ(press.y, 150.0f);

    // The focus column moves by the arrows, stopping at the edges, and goes to them by Home and
    // End; other keys are not the map's.
    EXPECT_EQ(map.keyAction(4, Qt::Key_Right).focus, 5);
    EXPECT_EQ(map.keyAction(-11, Qt::Key_Left).focus, -11);
    EXPECT_EQ(map.keyAction(0, Qt::Key_End).focus, 12);
    EXPECT_FALSE(map.keyAction(0, Qt::Key_A).taken);
    // Space or Return on UTC+5 lists what a press in its middle lists, with Bhutan shown.
    const map::MapModel::KeyAction key = map.keyAction(5, Qt::Key_Return);
    ASSERT_TRUE(key.taken && key.press && !key.focus);
    EXPECT_EQ(key.press->x, 387.0f * 16 + 193.5f);
    m_form->Picture1.raiseMouseDown(1, 0, key.press->x, key.press->y);
    EXPECT_EQ(entries(m_form->List1).size(), 8);
    EXPECT_EQ(m_form->Text6.Text(), u"Thimphu"_s);
    EXPECT_EQ(map.columnDescription(5), u"UTC+5, 8 Länder"_s);
    EXPECT_EQ(map.firstFocusZone(), 5);
}

TEST_F(MapModelTest, TheDotsStandAtTheZonesAndTheNearestIsTaken)
{
    show(u"germany"_s);
    const map::MapModel &map = m_model.map();
    ASSERT_EQ(map.dots().size(), 2u); // Berlin and Büsingen
    const QPointF berlin = onWidget(52.5, 13.0 + 22 / 60.0);
    ASSERT_TRUE(map.dots()[0]);
    EXPECT_LT(QLineF(*map.dots()[0], berlin).length(), 1.0);
    ASSERT_TRUE(map.spotAt(berlin + QPointF(3, 1)));
    EXPECT_EQ(map.spotAt(berlin + QPointF(3, 1))->zoneId, "Europe/Berlin");
    EXPECT_FALSE(map.spotAt(berlin + QPointF(5, 0)));

    // Each dot of the last country is painted anew where it stood, wherever that is: Easter
    // Island lies far from Chile's outline.
    show(u"chile"_s);
    const std::vector<std::optional<QPointF>> chile = map.dots();
    std::vector<QRect> repainted;
    QObject::connect(&m_model.map(), &map::MapModel::dotsChanged,
                     [&repainted](const std::vector<QRect> &areas) { repainted = areas; });
    show(u"japan"_s);
    for (const std::optional<QPointF> &dot : chile) {
        ASSERT_TRUE(dot);
        EXPECT_TRUE(std::ranges::any_of(
            repainted,
            [&](const QRect &area) {
                return area.contains(QRectF(*dot - QPointF(3, 3), QSizeF(6, 6)).toAlignedRect());
            }))
            << dot->x() << "," << dot->y();
    }
}

TEST_F(MapModelTest, TheShownCountryCoversOnlyTheMapBand)
{
    const map::MapModel &map = m_model.map();
    for (const QString &country : {u"antarctica"_s, u"greenland"_s, u"fiji"_s, u"malta"_s}) {
        show(country);
        ASSERT_FALSE(map.countryCover().empty()) << country.toStdString();
        for (const QRect &rect : map.countryCover())
            EXPECT_TRUE(map.bandRect().contains(rect)) << country.toStdString();
    }
    // Russia runs across the map's right edge (Chukotka): it stands at both edges.
    show(u"russia"_s);
    const auto at = [&map](double x) {
        return std::ranges::any_of(map.countryRings(), [x](const std::vector<QPointF> &ring) {
            return std::ranges::any_of(ring,
                                       [x](QPointF point) { return std::abs(point.x() - x) < 3; });
        });
    };
    EXPECT_TRUE(at(kInside.left() + 2));
    EXPECT_TRUE(at(kInside.right() - 2));
    // "?" has nothing.
    show(u"fx"_s);
    EXPECT_TRUE(map.countryRings().empty());
    EXPECT_FALSE(map.countryMarker());
    EXPECT_TRUE(map.dots().empty());
}
