#pragma once

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <functional>

// The frame of a test's child program: an offscreen application, its
// arguments (program name first) checked for `count`, then `body`. Exit code
// 2 for another count.
inline int RunChild(int argc, char** argv, qsizetype count,
                    const std::function<int(const QStringList&)>& body) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != count)
        return 2;
    return body(arguments);
}

// Tells the parent, on one line, that the loop it will kill has begun.
inline void SayStarted(const char* word) {
    std::puts(word);
    std::fflush(stdout);
}
