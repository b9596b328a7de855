#pragma once

#include "PrintService.h"
#include "ui/backgrounds/BackgroundDownloadDialog.h"
#include "ui/backgrounds/BackgroundPaneTestSupport.h"
#include "ui/backgrounds/BackgroundsPane.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

// The reference print service's background site over a folder of painted
// pictures, a library with its backgrounds pane, and a download dialog
// showing the site in the real (offscreen) web view.
class BackgroundSiteFixture : public ::testing::Test, public BackgroundPaneFixture {
protected:
    BackgroundSiteFixture();
    ~BackgroundSiteFixture() override;

    void AddToSite(const QString& name);
    // All four files of a background, painted unlike the site's.
    void AddToLibrary(const QString& name);
    QString Site(const QString& file) const;
    QString Library(const QString& file) const;
    QString Scratch() const;

    // Opens the dialog on the site and waits until the page is there.
    BackgroundDownloadDialog& OpenDialog();
    // Runs a script in the dialog's page and waits for its value.
    QVariant RunScript(const QString& script);
    // Ticks a background on the site, as a click of its box does.
    void Tick(const QString& name);
    // Waits for the dialog's message box of that name (null when none comes).
    QMessageBox* WaitForBox(const char* name, int timeoutMs = 30000);
    // Waits until the dialog is closed.
    bool WaitUntilClosed(int timeoutMs = 60000);
    // Every file below the library and scratch folders with a digest of its content.
    std::map<std::string, std::string> Files() const;

    QTemporaryDir dir;
    std::unique_ptr<PrintService> service;
    BackgroundsPane pane{Context()};
    std::unique_ptr<BackgroundDownloadDialog> dialog;
};
