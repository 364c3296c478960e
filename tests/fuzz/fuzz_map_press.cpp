// A press anywhere on a map of any width: every country listed lies in the pressed column.
#include "fuzz_support.h"

#include "map/zone_geometry.h"

#include <cmath>

using namespace orbisco;

namespace {

struct Press
{
    float x, y, mapWidth;
    int32_t button, shift;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const auto form = loadedForm();
    Press press{};
    std::memcpy(&press, data, std::min(size, sizeof press));
    const bool ownWidth = size >= offsetof(Press, mapWidth) + sizeof(float);
    form->Picture1.setWidth(ownWidth ? press.mapWidth : 9285.0f);
    const QString searchText = form->Text1.Text();

    form->Picture1.raiseMouseDown(press.button, press.shift, press.x, press.y);

    fuzz::checkCounter(*form);
    FUZZ_CHECK(form->Text1.Text() == searchText);
    std::optional<qint16> zone;
    try {
        zone = map::zoneAt(press.x, map::columnWidth(form->Picture1.Width()));
    } catch (const std::overflow_error &) {}
    if (!zone)
        FUZZ_CHECK(form->List1.ListCount() == 0);
    for (const QString &entry : entries(form->List1)) {
        bool found = false;
        for (int row = 0; row < 252 && !found; ++row) {
            if (Form1Probe::cell(*form, row, 0) == entry.right(2)) {
                FUZZ_CHECK(zoneNumber(Form1Probe::cell(*form, row, 1)) == zone);
                found = true;
            }
        }
        FUZZ_CHECK(found);
    }
    return 0;
}
