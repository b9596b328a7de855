#include "online/UploadBody.h"

#include <gtest/gtest.h>

TEST(UploadBody, IsTheFifteenLinesOfTheFormByteForByte) {
    const QByteArray expected = "-----------------------------29772313742745\r\n"
                                "Content-Disposition: form-data; name= \"page\"\r\n"
                                "\r\n"
                                "12\r\n"
                                "-----------------------------29772313742745\r\n"
                                "Content-Disposition: form-data; name= \"id\"\r\n"
                                "\r\n"
                                "LB1001\r\n"
                                "-----------------------------29772313742745\r\n"
                                "Content-Disposition: form-data; name=\"file\"; "
                                "filename=\"page.jpg\"\r\n"
                                "Content-Type: image/jpeg\r\n"
                                "Content-Transfer-Encoding: BASE64\r\n"
                                "\r\n"
                                "/9j/4AAQ+w==\r\n"
                                "-----------------------------29772313742745--\r\n";
    EXPECT_EQ(UploadBody::Build(12, QStringLiteral("LB1001"), "/9j/4AAQ+w==").toStdString(),
              expected.toStdString());
}

TEST(UploadBody, BoundaryAndContentTypeHeader) {
    EXPECT_EQ(QByteArray(UploadBody::kBoundary).size(), 41);
    EXPECT_TRUE(QByteArray(UploadBody::kBoundary).startsWith(QByteArray(27, '-') + "2"));
    EXPECT_EQ(
        UploadBody::ContentType(),
        QByteArray("multipart/form-data; boundary=---------------------------29772313742745"));
}
