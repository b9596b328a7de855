#pragma once

#include <QString>

// MD5 digests as 32 lowercase hexadecimal digits. Photo keys are the digest
// of an import path, so the bytes a text stands for are fixed: the low 8 bits
// of every UTF-16 code unit.
class Md5 {
public:
    QString Hash(const QString& text) const;
};
