#include "shell/Datumstext.h"

#include <gtest/gtest.h>

namespace {

const Datumstext::Stil kDeutsch{"d", '.'};
const Datumstext::Stil kEnglisch{"e", '/'};

TEST(Datumstext, ReadsLocalOrderShortYearsAndIso) {
    struct Fall {
        const char* text;
        Datumstext::Stil stil;
        QDate erwartet;
    };
    const Fall faelle[] = {
        {"07.03.2008", kDeutsch, {2008, 3, 7}},    {"7.3.2008", kDeutsch, {2008, 3, 7}},
        {"07.03.08", kDeutsch, {2008, 3, 7}},      {"03/07/2008", kEnglisch, {2008, 3, 7}},
        {"03/07/08", kEnglisch, {2008, 3, 7}},     {"31.12.99", kDeutsch, {1999, 12, 31}},
        {"01.01.49", kDeutsch, {2049, 1, 1}},      {"2008-03-07", kEnglisch, {2008, 3, 7}},
        {" 29.02.2008 ", kDeutsch, {2008, 2, 29}},
    };
    for (const Fall& f : faelle) {
        const auto d = Datumstext::lesen(f.text, f.stil);
        ASSERT_TRUE(d) << f.text;
        EXPECT_EQ(*d, f.erwartet) << f.text;
    }
}

TEST(Datumstext, EmptyMasksAndNonDatesGiveNoDate) {
    for (const char* leer : {"", "..", "  .  .  ", "//", "  /  /  ", ".  .", "   "}) {
        EXPECT_TRUE(Datumstext::istLeer(leer)) << '"' << leer << '"';
        EXPECT_FALSE(Datumstext::lesen(leer, kDeutsch));
    }
    for (const char* falsch :
         {"29.02.2009", "13/13/2008", "07.03", "abc", "07.03.2008x", "32.1.2008"}) {
        EXPECT_FALSE(Datumstext::istLeer(falsch)) << falsch;
        EXPECT_FALSE(Datumstext::lesen(falsch, kDeutsch)) << falsch;
    }
    EXPECT_FALSE(Datumstext::lesen("13/01/2008", kEnglisch)) << "month first in style e";
}

TEST(Datumstext, WritesTwoDigitDayAndMonthInLocalOrder) {
    EXPECT_EQ(Datumstext::schreiben({2008, 3, 7}, kDeutsch), "07.03.2008");
    EXPECT_EQ(Datumstext::schreiben({2008, 3, 7}, kEnglisch), "03/07/2008");
    EXPECT_EQ(Datumstext::schreiben(QDate(), kDeutsch), "");
}

} // namespace
