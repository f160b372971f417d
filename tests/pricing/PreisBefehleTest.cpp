#include "TestUmgebung.h"

#include <gtest/gtest.h>

namespace {

TEST(PreisBefehle, PreisUndImpliziteVolatilitaet) {
    EXPECT_EQ(cli({"price", "BS", "call", "--days", "365", "--rate", "5", "--vol", "20", "--strike",
                   "100", "--spot", "100"})
                  .ausgabe,
              "Preis: 10.4491267658\nFehler: 0\n");
    const CliLauf e = cli({"implvol", "TB76", "put", "--days", "90", "--rate", "3", "--price",
                           "0.5", "--strike", "100", "--spot", "100", "--json"});
    EXPECT_EQ(e.exitcode, 0);
    EXPECT_TRUE(e.ausgabe.startsWith(R"({"Art":"put","Fehler":0,"ImplVola":2.5)"))
        << e.ausgabe.toStdString();
    // The model's own code comes out with its value: a strike of 0.001 is refused.
    EXPECT_EQ(cli({"price", "CRA", "put", "--days", "90", "--rate", "3", "--vol", "20", "--strike",
                   "0.001", "--spot", "100", "--dividend", "1", "--div-days", "30"})
                  .ausgabe,
              "Preis: 0\nFehler: 2\n");
}

TEST(PreisBefehle, FalscheBedienungEndetMit2) {
    const QStringList gut{"--days", "90",       "--rate", "3",      "--vol",
                          "20",     "--strike", "100",    "--spot", "100"};
    for (const QStringList& argumente : std::initializer_list<QStringList>{
             QStringList{"price", "XX", "call"} + gut, QStringList{"price", "BS", "straddle"} + gut,
             QStringList{"price", "BS", "call", "--days", "90"},
             QStringList{"price", "BS", "call", "--dividend", "1"} + gut,
             QStringList{"price", "BS", "call", "--div-days", "1"} + gut,
             QStringList{"implvol", "BS", "call", "--vol", "20", "--days", "90", "--rate", "3",
                         "--strike", "100", "--spot", "100"},
             QStringList{"price", "BS", "call", "--days", "abc", "--rate", "3", "--vol", "20",
                         "--strike", "100", "--spot", "100"}})
        EXPECT_EQ(cli(argumente).exitcode, 2) << argumente.join(' ').toStdString();
}

// A failure inside the model ends the command rather than printing a number that is none.
TEST(PreisBefehle, RechenfehlerEndetMit1) {
    EXPECT_EQ(cli({"price", "BS", "call", "--days", "90", "--rate", "3", "--vol", "nan", "--strike",
                   "100", "--spot", "100"})
                  .exitcode,
              1);
}

} // namespace
