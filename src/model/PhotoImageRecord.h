#pragma once

#include <QDateTime>
#include <QString>

// The photo record "name,X,Y,ratio,Angle" that a page stores for a filled
// photo box. Numbers always use "." as decimal point, whatever the locale.

struct PhotoRecord {
    int x = 0;
    int y = 0;
    float ratio = 1.0f;
    int angle = 0;
};

QString FormatPhotoRecord(const QString& name, const PhotoRecord& record);

// Reads the four fields after the first "," of `line`. Throws LumbraError
// with fewer than four fields or a field that is not a number.
PhotoRecord ParsePhotoRecord(const QString& line);

// Whole seconds from 1 January 2006 00:00 to `localNow`, both as local wall
// clock times, in upper-case hexadecimal.
QString SecondsStamp(const QDateTime& localNow);
