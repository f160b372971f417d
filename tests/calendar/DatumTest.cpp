#include "Kalenderhilfen.h"

#include "calendar/DatumQt.h"

#include <gtest/gtest.h>

namespace {

// Qt's calendar is an independent reference for decomposition, weekday and day counting.
TEST(Datum, StimmtTagFuerTagMitQtUeberein) {
    const QDate start(1899, 12, 25);
    const Datum anfang(1899, 12, 25);
    for (int i = 0; i < 75000; ++i) {
        const QDate q = start.addDays(i);
        const Datum d = anfang + i;
        ASSERT_EQ(d.jahr(), q.year()) << q.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(d.monat(), q.month());
        ASSERT_EQ(d.tag(), q.day());
        ASSERT_EQ(static_cast<int>(d.wochentag()), q.dayOfWeek());
        ASSERT_EQ(d - anfang, i);
        ASSERT_EQ(d, Datum(q.year(), q.month(), q.day()));
        ASSERT_EQ(alsQDate(d), q);
        ASSERT_EQ(ausQDate(q), d);
    }
}

TEST(Datum, RaenderDesJahresbereichs) {
    EXPECT_EQ(alsQDate(Datum(1, 1, 1)), QDate(1, 1, 1));
    EXPECT_EQ(alsQDate(Datum(9999, 12, 31)), QDate(9999, 12, 31));
    EXPECT_FALSE((Datum(9999, 12, 31) + 1).gueltig());
    EXPECT_FALSE((Datum(1, 1, 1) - 1).gueltig());
    EXPECT_FALSE((Datum() + 1).gueltig());
    EXPECT_FALSE(ausQDate(QDate(-5, 1, 1)).gueltig());
    EXPECT_FALSE(alsQDate(Datum()).isValid());
    EXPECT_LT(Datum(), Datum(1, 1, 1));
}

TEST(Datum, NichtExistierendeTageSindUngueltig) {
    struct Fall {
        int j, m, t;
        bool gueltig;
    };
    for (const Fall& f : std::initializer_list<Fall>{{2008, 2, 29, true},
                                                     {2000, 2, 29, true},
                                                     {2007, 2, 29, false},
                                                     {1900, 2, 29, false},
                                                     {2008, 4, 31, false},
                                                     {2008, 13, 1, false},
                                                     {2008, 0, 1, false},
                                                     {2008, 1, 0, false},
                                                     {0, 1, 1, false},
                                                     {10000, 1, 1, false}})
        EXPECT_EQ(Datum(f.j, f.m, f.t).gueltig(), f.gueltig) << f.j << "-" << f.m << "-" << f.t;
}

TEST(Datum, IsoText) {
    EXPECT_EQ(Datum::ausIso("2008-03-21"), Datum(2008, 3, 21));
    EXPECT_EQ(Datum(2008, 3, 1).iso(), "2008-03-01");
    EXPECT_EQ(Datum(33, 6, 30).iso(), "0033-06-30");
    EXPECT_EQ(Datum().iso(), "");
    for (std::string_view falsch :
         {"", "2008-3-21", "20080321", "2008-02-30", "2008-03-2x", "2008/03/21", "2008-03-211"})
        EXPECT_FALSE(Datum::ausIso(falsch).gueltig()) << falsch;
}

} // namespace
