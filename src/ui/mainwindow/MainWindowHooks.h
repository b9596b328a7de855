#pragma once

#include "ui/mainwindow/dialogs/Questions.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Book;
class QWidget;

// What the main window's commands reach outside this window. An empty
// function means the default (message boxes, the platform's dialogs, the
// connection query); an empty window hook leaves its menu item disabled.
struct MainWindowHooks {
    AskYesNo ask;
    OfferProblems reviewProblems; // before an order or a PDF, when the book check found something
    TellUser tell;
    std::function<bool()> isOnline;
    std::function<QString()> pickPreviewFolder; // empty text: cancelled
    std::function<QString()> pickPdfFile;       // empty text: cancelled
    std::function<QStringList()> pickPhotos;    // one empty element: cancelled
    // Both return whether the desktop took the address.
    std::function<bool(const QString&)> openWebPage; // also "file:" addresses
    std::function<bool(const QString&)> openFolder;

    // Windows of other parts.
    std::function<void(const std::shared_ptr<Book>&)> orderWizard; // modal
    std::function<void(const QString& orderIds)> orderStatus;
    std::function<void()> updateCheck; // the interactive form
    // The background download dialog over the given window; the side pane's
    // download button runs it after the connection check.
    std::function<void(QWidget* owner)> downloadBackgrounds;
};
