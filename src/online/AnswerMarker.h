#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// The service answers with a token between "[(" and ")]".
//
// Returns the text between the first "[(" and the first ")]" within the
// first `limit` characters of the answer (all of it when limit < 0); none
// when either marker is missing there or ")]" comes before "[(".
std::optional<QString> ReadAnswerMarker(QByteArrayView answer, qsizetype limit = -1);

// The limit the upload reads a page's answer with.
inline constexpr qsizetype kUploadAnswerLimit = 100;
