#pragma once

#include "app/shown_country.h"
#include "controls/controls.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <span>

namespace orbisco {

// The program's one window, as a model with no display: its controls, the record table, and the
// handlers that tie them together. The Qt window renders it and feeds it the person's input.
//
// Handlers never pass an error on: the ones marked noexcept absorb every failure inside them, so
// a bad statement loses only itself and the rest of the handler still runs.
class Form1 : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTableRows = 261;
    static constexpr int kTableColumns = 7;
    static constexpr int kRecordFields = 6;

    // commandLineText: the program's arguments after its name, joined by one blank.
    explicit Form1(QString commandLineText = {}, QObject *parent = nullptr);

    // What the toolkit does: raise Load once before showing the window, and preview every key.
    void raiseLoad() { Form_Load(); }
    void raiseKeyDown(int keyCode, int shift) { Form_KeyDown(keyCode, shift); }
    bool hasEnded() const { return m_ended; }

    // Marks zone's column on the map with the arrow and the bar; moves nothing for a zone that
    // has no column. Throws std::overflow_error when the map is too wide for a 16-bit column.
    void SetZeitZone(qint16 zone);
    // Stores one "code;offset;currency;languages;alpha-3;capital" record in the next free row.
    // Throws std::invalid_argument for fewer than six fields and std::out_of_range when the table
    // is full; a rejected record writes nothing.
    void AddData(const QString &DataStr);
    // Loads every built-in record, starting again from row 0.
    void InitMultipleData();

    // The record the details panel shows.
    const ShownCountry &shownCountry() const { return m_shown; }

    // The map's columns at the map's width now, as a press finds them: the zone whose column
    // takes a press x twips from the map's inner left edge, and where, in twips, a press lists
    // exactly that column. A map too wide for 16-bit columns has none: no zone, no middle.
    std::optional<qint16> columnAt(float x) const noexcept;
    std::optional<float> columnMiddle(qint16 zone) const noexcept;

    // The codes a press on zone's column hands to the filter, in the order it hands them: every
    // record whose offset lies in the zone. Changes nothing.
    QStringList zoneCodes(qint16 zone) const;
    // How many entries a press on zone's column lists. Changes nothing.
    qint16 zoneEntryCount(qint16 zone) const;
    // The zone whose column the arrow marks while it is shown; empty while it is hidden.
    std::optional<qint16> markedZone() const;

    // The record's fields after its code, as the details panel shows them.
    static constexpr int kOffsetField = 1;
    static constexpr int kCurrencyField = 2;
    static constexpr int kLanguagesField = 3;
    static constexpr int kAlpha3Field = 4;
    static constexpr int kCapitalField = 5;

    // The details panel's boxes, each with its caption and the record field it shows, in the
    // order of the fields: offset, currency, languages, alpha-3 code, capital.
    struct DetailBox
    {
        ui::Label &caption;
        ui::TextBox &box;
        int field;
    };
    std::array<DetailBox, 5> detailBoxes()
    {
        return {{{Label2, Text2, kOffsetField},
                 {Label4, Text3, kCurrencyField},
                 {Label3, Text4, kLanguagesField},
                 {Al, Text5, kAlpha3Field},
                 {Label5, Text6, kCapitalField}}};
    }
    // The box that shows a field.
    ui::TextBox &detailBox(int field) { return detailBoxes().at(size_t(field - kOffsetField)).box; }

    // Search column.
    ui::TextBox Text1{ui::controlLayout(u"Text1")};
    ui::ListBox List1{ui::controlLayout(u"List1")};
    ui::Label CounterLabel{ui::controlLayout(u"CounterLabel")};
    // Details column, top to bottom: languages, offset, currency, alpha-3 code, capital.
    ui::Label Label3{ui::controlLayout(u"Label3")};
    ui::TextBox Text4{ui::controlLayout(u"Text4")};
    ui::Label Label2{ui::controlLayout(u"Label2")};
    ui::TextBox Text2{ui::controlLayout(u"Text2")};
    ui::Label Label4{ui::controlLayout(u"Label4")};
    ui::TextBox Text3{ui::controlLayout(u"Text3")};
    ui::Label Al{ui::controlLayout(u"Al")};
    ui::TextBox Text5{ui::controlLayout(u"Text5")};
    ui::Label Label5{ui::controlLayout(u"Label5")};
    ui::TextBox Text6{ui::controlLayout(u"Text6")};
    // Map with its zone arrow (above it) and zone bar (inside it).
    ui::PictureBox Picture2{ui::controlLayout(u"Picture2")};
    ui::PictureBox Picture1{ui::controlLayout(u"Picture1")};
    ui::PictureBox Line1{ui::controlLayout(u"Line1")};
    // Never shown. TMplist holds the country index that the search reads.
    ui::ComboBox TMplist{ui::controlLayout(u"TMplist")};
    ui::ComboBox TimeZone{ui::controlLayout(u"TimeZone")};
    ui::ComboBox Languages{ui::controlLayout(u"Languages")};

signals:
    // Escape was pressed: the program ends now, and no handler runs after this.
    void ended();
    // The details panel has been filled again: with a record, or with "?" (all empty).
    void countryShown(const orbisco::ShownCountry &country);
    // The search has run on what the search box holds now, and the list shows what it found.
    void searched();

private:
    using Row = std::array<QString, kTableColumns>;

    void Form_Load() noexcept;
    void Form_KeyDown(int KeyCode, int Shift);
    void End();

    void FillCountryIndex();
    void loadRecords(std::span<const QStringView> records);

    void FilterCountries(QString SearchStr, bool ClearList) noexcept;
    void UpdateCounter();
    void Text1_Change();
    void Text1_GotFocus() noexcept;

    void List1_Click() noexcept;
    void ShowCountry(const QString &code) noexcept;
    void showRecord(const Row &row) noexcept;
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void ListZoneCountries(float X, float Y) noexcept;
    // The width of a map column in twips; throws std::overflow_error beyond 16 bits.
    qint16 columnWidth() const;

    const QString m_commandLineText;
    bool m_ended = false;
    ShownCountry m_shown;
    std::optional<qint16> m_markedZone; // where SetZeitZone last put the arrow

    std::array<Row, kTableRows> DataTable;
    qint16 DataCount = 0;
    QStringList SplitBuffer;

    friend struct Form1Probe; // tests reach the private methods and the table through it
};

} // namespace orbisco
