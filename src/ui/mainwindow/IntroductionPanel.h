#pragma once

#include <QDialog>

class Constants;
class QCheckBox;
class QLabel;

// The introduction picture delivered beside the program.
inline constexpr auto kIntroductionPicture = "introduction.png";

// frmIntroduction: the introduction picture, "do not show again" and OK.
// OK writes the settings file and hides the panel, which keeps its state.
class IntroductionPanel : public QDialog {
    Q_OBJECT
public:
    // dataFolder holds the picture; settingsFile is "Brelk.ini".
    IntroductionPanel(const Constants& strings, const QString& dataFolder,
                      const QString& settingsFile, QWidget* parent = nullptr);

    QCheckBox* NotShowBox() const { return mNotShow; }
    // False when the picture could not be read (the panel shows without it).
    bool HasPicture() const;

private:
    void OnOk();

    QString mSettingsFile;
    QLabel* mPicture;
    QCheckBox* mNotShow;
};
