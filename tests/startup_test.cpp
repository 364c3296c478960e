// What the person sees when the window first appears, with and without a command line, and the
// Escape key.
#include "form1_probe.h"

#include <gtest/gtest.h>

#include "app/command_line.h"

#include <vector>

using namespace orbisco;
using namespace Qt::StringLiterals;

TEST(Startup, ListsTheWholeIndexAndShowsTheFirstCountry)
{
    const auto form = loadedForm();
    EXPECT_EQ(form->List1.ListCount(), 243);
    EXPECT_EQ(form->List1.List(0), u"Afghanistan AF"_s);
    EXPECT_EQ(form->List1.ListIndex(), 0);
    EXPECT_EQ(form->CounterLabel.Caption(), u"(243)"_s);
    EXPECT_EQ(form->Text1.Text(), QString());
    EXPECT_EQ(readOuts(*form),
              (QStringList{u"+04:30"_s, u"Afghan afghani (AFN)"_s,
                           u"Pashto, Dari, and some other languages"_s, u"AFG"_s, u"Kabul"_s}));
    EXPECT_EQ(entries(form->List1), entries(form->TMplist)) << "index order, entries unchanged";
}

TEST(Startup, CommandLineFiltersAsIfTyped)
{
    const auto form = loadedForm(u"ger"_s);
    EXPECT_EQ(form->Text1.Text(), u"ger"_s) << "not upper-cased";
    EXPECT_EQ(entries(form->List1),
              (QStringList{u"Algeria DZ"_s, u"Germany DE"_s, u"Niger NE"_s, u"Nigeria NG"_s}));
    EXPECT_EQ(form->List1.ListIndex(), 0);
    EXPECT_EQ(form->Text6.Text(), u"Algiers"_s);
    EXPECT_EQ(form->CounterLabel.Caption(), u"(4)"_s);
}

TEST(Startup, CommandLineOfTwoLettersIsACode)
{
    const auto form = loadedForm(u"de"_s);
    EXPECT_EQ(entries(form->List1), QStringList{u"Germany DE"_s});
    EXPECT_EQ(form->CounterLabel.Caption(), u"(1)"_s);
}

TEST(Startup, CommandLineMatchingNothingKeepsTheFirstCountryShown)
{
    const auto form = loadedForm(u"xyz"_s);
    EXPECT_EQ(form->List1.ListCount(), 0);
    EXPECT_EQ(form->CounterLabel.Caption(), u"(0)"_s);
    EXPECT_EQ(form->Text5.Text(), u"AFG"_s);
}

TEST(Startup, CommandLineWordsAreOneQuery)
{
    const char *argv[] = {"orbisco", "united", "kingdom"};
    const auto form = loadedForm(commandLineText(3, argv));
    EXPECT_EQ(form->Text1.Text(), u"united kingdom"_s);
    EXPECT_EQ(entries(form->List1),
              (QStringList{u"United Kingdom (Great Britain) UK"_s,
                           u"United Kingdom (Great Britain) GB"_s}));
}

TEST(CommandLine, ArgumentsAreKeptExactly)
{
    const char *none[] = {"orbisco"};
    EXPECT_EQ(commandLineText(1, none), QString());
    const char *quoted[] = {"orbisco", "\"ger\"", " cape  ", "Brasília"};
    EXPECT_EQ(commandLineText(4, quoted), u"\"ger\"  cape   Brasília"_s)
        << "quotes, blanks and case stay; arguments are joined by one blank";
    const char *empty[] = {"orbisco", "", ""};
    EXPECT_EQ(commandLineText(3, empty), u" "_s);
    const char *invalid[] = {"orbisco",
                             "g\xff\xfe"
                             "r"};
    const QString decoded = commandLineText(2, invalid);
    EXPECT_TRUE(decoded.startsWith(u'g') && decoded.endsWith(u'r'));
    EXPECT_TRUE(decoded.contains(QChar::ReplacementCharacter));
}

TEST(CommandLine, OnlyALoneOptionAsksForUsageOrVersion)
{
    using enum CommandLineRequest;
    const auto request = [](std::vector<const char *> arguments) {
        arguments.insert(arguments.begin(), "orbisco");
        return commandLineRequest(int(arguments.size()), arguments.data());
    };
    EXPECT_EQ(request({"--help"}), Usage);
    EXPECT_EQ(request({"-h"}), Usage);
    EXPECT_EQ(request({"--version"}), Version);
    EXPECT_EQ(request({"-v"}), Version);
    // Anything else is search text, as it always was.
    for (const auto &search : std::vector<std::vector<const char *>>{{},
                                                                     {""},
                                                                     {"ger"},
                                                                     {"--help", "ger"},
                                                                     {"ger", "--help"},
                                                                     {"-v", "-v"},
                                                                     {"--HELP"},
                                                                     {"--help "},
                                                                     {"-help"},
                                                                     {"--he"},
                                                                     {"-V"},
                                                                     {"--version=1"}})
        EXPECT_EQ(request(search), Search) << ::testing::PrintToString(search);
}

TEST(Escape, EndsTheProgramWithAnyModifiers)
{
    for (const int shift : {0, 1, 2, 4, 7}) {
        const auto form = loadedForm();
        int ended = 0;
        QObject::connect(form.get(), &Form1::ended, [&] { ++ended; });
        form->raiseKeyDown(27, shift);
        EXPECT_EQ(ended, 1) << "shift state " << shift;
        EXPECT_TRUE(form->hasEnded());
    }
}

TEST(Escape, NoOtherKeyEnds)
{
    const auto form = loadedForm();
    for (const int key : {0, 13, 26, 28, 32, 65, 27 + 256, 0x01000000})
        form->raiseKeyDown(key, 0);
    EXPECT_FALSE(form->hasEnded());
}
