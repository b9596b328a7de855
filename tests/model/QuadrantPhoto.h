#pragma once

#include "model/PhotoImage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// An 800 x 600 photo of four quadrants (see TestJpegs::Quadrants) in a
// 100 x 50 mm box.
struct QuadrantPhoto : ::testing::Test {
    QTemporaryDir dir;
    PhotoImage photo;

    void SetUp() override;
};
