#pragma once

#include "PrintService.h"
#include "online/BookUpload.h"

#include <QNetworkAccessManager>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

class Book;

// A book of three pages and the reference print service on a free loopback
// port, in this process.
class UploadFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // An upload engine for the book at print size.
    std::unique_ptr<BookUpload> MakeUpload(int timeoutMs = 30000, QSize size = {});
    // Starts the upload and waits for its end.
    UploadResult Run(BookUpload& upload, const QString& orderId, const QString& cover,
                     int start = 0);
    // A new open order of the service.
    QString OpenOrder();
    // The first line of the book's "order.pbx".
    QString OrderFileLine() const;
    QStringList Requests() const { return service->Requests(); }

    QTemporaryDir dir;
    std::unique_ptr<PrintService> service;
    QNetworkAccessManager network;
    std::shared_ptr<Book> book;
    QStringList events; // "start N/M", "prepared N", "sent ID N", "refused N"
};
