#pragma once

#include <QCoreApplication>
#include <QString>

class WindowPrompts;

// The Help menu's pages: the user guide and the questions page in the
// language of the program, and the product site. Each opens in the
// desktop's browser; when none starts, the user is told the address.
class HelpPages {
    Q_DECLARE_TR_FUNCTIONS(HelpPages)
public:
    // `dataFolder` holds the pages delivered with the program ("help/").
    HelpPages(QString dataFolder, const WindowPrompts& prompts);

    void OpenContents() const;
    void OpenFaq() const;
    void OpenWebsite() const;

private:
    void OpenPage(const QString& address) const;
    QString HelpPageAddress(const char* base, const QString& page) const;

    QString mDataFolder;
    const WindowPrompts& mPrompts;
};
