#pragma once

#include "online/AddressSettings.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Edit > Preferences: the print service's address and the background
// site's. Each is checked while it is typed (what is wrong shows under it
// and OK waits); OK keeps them in the settings, where the next order,
// status, download or update check finds them. An empty field means the
// build's address. An address set by the environment shows, but only the
// environment changes it.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget* parent = nullptr);

    QLineEdit* AddressInput(SiteAddress site) const;
    QLabel* AddressProblem(SiteAddress site) const;
    QDialogButtonBox* Buttons() const { return mButtons; }

    void accept() override;

private:
    struct Field {
        QLineEdit* input = nullptr;
        QLabel* problem = nullptr;
        QLabel* note = nullptr; // why the environment's address cannot be changed here
    };
    Field MakeField(SiteAddress site);
    const Field& FieldOf(SiteAddress site) const;
    // Shows what is wrong with each address and enables OK when nothing is.
    void Check();
    void RestoreDefaults();

    Field mService;
    Field mBackgrounds;
    QDialogButtonBox* mButtons = nullptr;
};

// Opens the window over `parent` without waiting for it.
void OpenPreferences(QWidget* parent);
