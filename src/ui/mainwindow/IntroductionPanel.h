#pragma once

#include <QDialog>

class Constants;
class QCheckBox;
class QLabel;

// The introduction picture delivered beside the program.
inline constexpr auto kIntroductionPicture = "introduction.png";

// frmIntroduction: the introduction picture, the first steps of a book,
// "do not show again" and OK. The box shows the setting when the panel opens;
// OK writes the settings file only when the user changed the box, and hides
// the panel.
class IntroductionPanel : public QDialog {
    Q_OBJECT
public:
    // dataFolder holds the picture; settingsFile is "Brelk.ini".
    IntroductionPanel(const Constants& strings, const QString& dataFolder,
                      const QString& settingsFile, QWidget* parent = nullptr);

    QCheckBox* NotShowBox() const { return mNotShow; }
    // False when the picture could not be read (the panel shows without it).
    bool HasPicture() const;

    // The first steps of a book, in a few short lines, naming the menus as
    // the language file captions them.
    static QString FirstSteps(const Constants& strings);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnOk();

    QString mSettingsFile;
    QLabel* mPicture;
    QCheckBox* mNotShow;
    bool mNotShowAtOpen = false;
};
