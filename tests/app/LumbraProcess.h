#pragma once

#include <QColor>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>

// Runs the built program in a home of its own, with its books in `books`.
struct LumbraProcess : ::testing::Test {
    QTemporaryDir home;
    QString books;
    QString locale = QStringLiteral("en_US.UTF-8"); // LANG, LC_ALL and LANGUAGE of the program

    void SetUp() override;

    struct Outcome {
        int exitCode = -1; // also when the program did not end within two minutes, or crashed
        QStringList out;
        QString err;
    };

    // Runs the program with `arguments`; a limit above 0 caps the address
    // space of the program (setrlimit RLIMIT_AS) in bytes.
    Outcome Run(QStringList arguments, uint64_t addressSpaceLimit = 0);

    // What RunServing measured of the program.
    struct Measured {
        qint64 peakRssKb = -1; // its largest resident set (getrusage of the child)
        qint64 elapsedMs = -1;
    };
    // Runs the program as Run does while this thread's event loop goes on
    // (a server of the test answers it), and measures it.
    Outcome RunServing(QStringList arguments, Measured* measured);

    // A new book of 20 pages in `books`, made by the model itself.
    void MakeBook(const QString& name);

    // A flat 640 x 480 JPEG in the home folder.
    QString Jpeg(const QString& name, QColor colour);

    static QSize SizeOf(const QString& file);
    // The program's environment: its home, its locale, its own platform.
    QProcessEnvironment Environment() const;
    // The import's status line for the file, as the program prints it.
    static QString Status(const char16_t* key, const QString& path);
    // The import's line for a refused file.
    static QString Refused(const QString& reason, const QString& path) {
        return reason + QStringLiteral(" :") + path;
    }
};
