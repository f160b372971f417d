#include <QCoreApplication>
#include <gtest/gtest.h>

// Qt's SQL drivers and locale need an application object.
int main(int argc, char** argv) {
    QCoreApplication anwendung(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
