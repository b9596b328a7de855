#include "ui/mainwindow/MainWindowFixture.h"
#include "ui/mainwindow/ModalKeys.h"

#include "ui/mainwindow/IntroductionPanel.h"
#include "ui/mainwindow/dialogs/AboutBox.h"
#include "ui/mainwindow/dialogs/BookNameDialogs.h"
#include "ui/mainwindow/dialogs/PreferencesDialog.h"
#include "ui/mainwindow/dialogs/PreviewStatusDialog.h"
#include "ui/mainwindow/dialogs/Questions.h"
#include "ui/panes/ImportStatusForm.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

class DialogHintsTest : public MainWindowFixture {};

// What the window manager is asked for (the window's Motif hints on X11): a
// close button, no minimise or maximise button.
::testing::AssertionResult OnlyCloses(const QWidget& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    if ((flags & Qt::WindowMinMaxButtonsHint) || !(flags & Qt::WindowCloseButtonHint) ||
        !window.isWindow())
        return ::testing::AssertionFailure()
               << window.metaObject()->className() << " flags 0x" << std::hex << int(flags);
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_F(DialogHintsTest, DialogsAndMessageBoxesOfferOnlyToClose) {
    Active();
    AboutBox about(strings, &Window());
    NewBookForm newBook(*books, strings, &Window());
    RenameBookForm rename(*books, strings, &Window());
    PreferencesDialog preferences(&Window());
    PreviewStatusDialog preview(strings, &Window());
    IntroductionPanel introduction(strings, dir.path(), dir.filePath("intro.ini"), &Window());
    ImportStatusForm status(QStringLiteral("Import"), QStringLiteral("OK"), &Window());
    for (QDialog* dialog : std::initializer_list<QDialog*>{&about, &newBook, &rename, &preferences,
                                                           &preview, &introduction, &status}) {
        EXPECT_TRUE(OnlyCloses(*dialog));
        EXPECT_EQ(dialog->parentWidget(), &Window()); // still over the window
    }

    // A question warns and defaults to No; an offer after good news (the
    // preview's end) informs and defaults to Yes; a notice informs.
    struct Box {
        std::function<void()> open;
        QMessageBox::Icon icon;
        QMessageBox::StandardButton byDefault;
    };
    const Box boxes[] = {
        {[&] { MessageBoxQuestion(&Window(), &strings)("Delete?", "Delete"); },
         QMessageBox::Warning, QMessageBox::No},
        {[&] { MessageBoxOffer(&Window(), &strings)("Ready. Open?", "Preview"); },
         QMessageBox::Information, QMessageBox::Yes},
        {[&] { MessageBoxNotice(&Window(), "Lumbra", &strings)("Done."); },
         QMessageBox::Information, QMessageBox::NoButton},
    };
    for (const Box& expected : boxes)
        WithModal(expected.open, [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(OnlyCloses(*box));
            EXPECT_EQ(box->icon(), expected.icon);
            if (expected.byDefault != QMessageBox::NoButton)
                EXPECT_EQ(box->defaultButton(), box->button(expected.byDefault));
            box->close();
        });
}
