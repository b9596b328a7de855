#include "ui/mainwindow/WindowPlacement.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void ExpectPlacement(const WindowPlacement& p, float left, float top, float width, float height) {
    EXPECT_FLOAT_EQ(p.left, left);
    EXPECT_FLOAT_EQ(p.top, top);
    EXPECT_FLOAT_EQ(p.width, width);
    EXPECT_FLOAT_EQ(p.height, height);
}

} // namespace

TEST(WindowPlacement, DefaultsWhenNothingIsStored) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("p.ini"), QSettings::IniFormat);
    ExpectPlacement(ReadWindowPlacement(settings), 1000, 1000, 6500, 6500);
}

TEST(WindowPlacement, RoundTripAndMinimisedKeepsThePreviousValues) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.ini");
    {
        QSettings settings(path, QSettings::IniFormat);
        WriteWindowPlacement(settings, {1500, 30, 12000, 9000.5f}, false);
        WriteWindowPlacement(settings, {0, 0, 100, 100}, true); // minimised: not written
    }
    QSettings settings(path, QSettings::IniFormat);
    ExpectPlacement(ReadWindowPlacement(settings), 1500, 30, 12000, 9000.5f);
    settings.beginGroup("Settings");
    EXPECT_EQ(settings.value("MainWidth").toString(), "12000"); // decimal text
}

TEST(WindowPlacement, ValueThatIsNotANumberFallsBackToItsDefault) {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("p.ini"), QSettings::IniFormat);
    settings.beginGroup("Settings");
    settings.setValue("MainLeft", "abc");
    settings.setValue("MainTop", "-200");
    settings.endGroup();
    ExpectPlacement(ReadWindowPlacement(settings), 1000, -200, 6500, 6500);
}
