#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>

// Runs the built program in a home of its own, its books in home/books.
struct LumbraProcess : ::testing::Test {
    QTemporaryDir home;
    QString books;

    void SetUp() override;

    struct Outcome {
        int exitCode = -1;
        QStringList out;
        QString err;
    };

    // Runs `lumbra arguments --books-folder books`; a limit above 0 caps the
    // address space of the program (setrlimit RLIMIT_AS) in bytes.
    Outcome Run(QStringList arguments, uint64_t addressSpaceLimit = 0);

    // A 640 x 480 JPEG of one colour in the home folder.
    QString Jpeg(const QString& name, QColor colour);

    static QSize SizeOf(const QString& file);

    // The program's import status line for a file.
    static QString Status(const char16_t* key, const QString& path);
};
