#include <gtest/gtest.h>
#include <QCoreApplication>

TEST(Smoke, ApplicationExists) { EXPECT_NE(QCoreApplication::instance(), nullptr); }
