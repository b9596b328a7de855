#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(Smoke, ApplicationExists) { EXPECT_NE(QCoreApplication::instance(), nullptr); }
