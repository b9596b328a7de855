#pragma once

#include <QDialog>

class Constants;

// "Version 2.1.35" for version 2.1, revision 35.
QString VersionLine(int major, int minor, int revision);

// The notice about the libraries the program uses.
QString LibraryNotice();

// frmAbout: title, version, the library notice, the copyright and OK.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(const Constants& strings, QWidget* parent = nullptr);
};
