#include "MainWindowFixture.h"

#include "base/LanguageChoice.h"
#include "base/ProgramTranslations.h"
#include "imaging/TestJpegs.h"
#include "model/PageDrop.h"
#include "model/PhotoImage.h"
#include "model/PhotoImageList.h"
#include "ui/bookview/BookView.h"
#include "ui/bookview/PageView.h"
#include "ui/mainwindow/IntroductionPanel.h"
#include "ui/mainwindow/MainWindowRules.h"
#include "ui/mainwindow/dialogs/AboutBox.h"
#include "ui/mainwindow/dialogs/BookNameDialogs.h"
#include "ui/mainwindow/dialogs/PreferencesDialog.h"
#include "ui/panes/PhotosPane.h"
#include "ui/panes/SidePane.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QTimer>

namespace {

// What may stay in Latin letters in a Chinese window: names, keys, addresses,
// file names and paths, sizes, and the dates of the system's locale (the test
// runs under the C locale, the program under the user's).
bool IsEnglish(const QString& shown) {
    static const QRegularExpression allowed(
        QStringLiteral("https?://\\S+|\\S*[/"
                       ".]\\S+|\\b[KMGT]i?B\\b|\\d+ [A-Z][a-z]{2} "
                       "\\d{4}|Ctrl\\+\\S+|\\b(Lumbra|Qt|JPEG|PDF|LGPL|IJG|BSD|Independent JPEG "
                       "Group|libjpeg-turbo|Little CMS|MIT|libheif|libde265|PG\\d+)\\b"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    QString text = QTextDocumentFragment::fromHtml(shown).toPlainText();
    return text.remove(allowed).contains(word);
}

// Every English text or tooltip a user can see in the window of `root`,
// its menus and item views, one line each naming where it is.
QStringList EnglishTexts(const QWidget& root) {
    QStringList found;
    const auto check = [&found](const QObject& where, const QString& text) {
        if (IsEnglish(text))
            found << QStringLiteral("%1 \"%2\": %3")
                         .arg(QLatin1String(where.metaObject()->className()), where.objectName(),
                              text);
    };
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&root));
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&root) && widget != &root && !qobject_cast<const QMenu*>(widget))
            continue;
        check(*widget, widget->isWindow() ? widget->windowTitle() : QString());
        check(*widget, widget->toolTip());
        for (const QAction* action : widget->actions())
            if (!action->menu() || !action->text().isEmpty())
                check(*action, action->text() + u' ' + action->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            check(*label, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            check(*button, button->text());
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            check(*edit, edit->placeholderText());
        const auto* combo = qobject_cast<const QComboBox*>(widget);
        const bool fonts = combo && QFontDatabase::hasFamily(combo->itemText(0)); // names
        for (int i = 0; combo && !fonts && i < combo->count(); ++i)
            check(*combo, combo->itemText(i));
        const auto* view = qobject_cast<const QAbstractItemView*>(widget);
        const QAbstractItemModel* model = view ? view->model() : nullptr;
        for (int c = 0; model && c < model->columnCount(view->rootIndex()); ++c) {
            check(*view, model->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; c > 0 && r < model->rowCount(view->rootIndex()); ++r) // 0: names
                check(*view, model->index(r, c, view->rootIndex()).data().toString());
        }
    }
    return found;
}

// The next modal window, walked and closed once it shows.
QStringList WalkNextModal(const std::function<void()>& open) {
    auto found = std::make_shared<QStringList>(QStringList{QStringLiteral("no modal window")});
    QTimer::singleShot(0, [found] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            *found = EnglishTexts(*modal);
            modal->close();
        }
    });
    open();
    return *found;
}

// The program in a Chinese language: the language file, the translations of
// the build folder and the locale's number forms.
class TranslatedWindowsTest : public MainWindowFixture,
                              public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        const QLocale locale{QString::fromLatin1(GetParam())};
        QLocale::setDefault(locale);
        const QString folder = QCoreApplication::applicationDirPath();
        ASSERT_TRUE(translations.Install(folder, locale));
        strings.LoadLanguageFile(LanguageFilePath(folder, locale));
        Active();
        const QString picture = dir.filePath("pic.jpg");
        TestJpegs::Write(picture, TestJpegs::PhotoLike(320, 240));
        auto photo = std::make_shared<PhotoImage>();
        photo->SetImage(picture, CurrentBook()->GetBookFolder());
        CurrentBook()->Photos().Add(photo);
        Window().GetSidePane()->Photos()->AddDisplayPhoto(photo);
        ApplyDropText(*CurrentBook(), *CurrentBook()->GetPage(0), photo->GetKey(), 100, 50);
        QDir::setCurrent(dir.path()); // the file dialog starts here: a folder and a photo
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::c());
        QDir::setCurrent(workingFolder);
    }
    std::string Found(const QStringList& found) { return found.join(u'\n').toStdString(); }

    ProgramTranslations translations;
    const QString workingFolder = QDir::currentPath();
};

TEST_P(TranslatedWindowsTest, EveryWindowDialogMenuAndEditorShowsNoEnglish) {
    Actions().bookNewPage->trigger(); // the Edit menu names an undo step
    for (const char* pane : {"photos", "album", "backgrounds"}) {
        Window().GetSidePane()->ShowPane(QLatin1String(pane));
        EXPECT_EQ(Found(EnglishTexts(Window())), "") << pane;
    }
    PageView* page = Window().GetBookView()->RightPageView();
    page->OpenPhotoEditor(0);
    EXPECT_EQ(Found(EnglishTexts(Window())), "") << "photo editor";
    page->OpenTextEditor(0);
    EXPECT_EQ(Found(EnglishTexts(Window())), "") << "text editor";

    AboutBox about(strings, &Window());
    NewBookForm newBook(*books, strings, &Window());
    RenameBookForm rename(*books, strings, &Window());
    PreferencesDialog preferences(&Window());
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&about, &newBook, &rename, &preferences}) {
        dialog->show();
        EXPECT_EQ(Found(EnglishTexts(*dialog)), "") << dialog->objectName().toStdString();
        QLineEdit field;
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        EXPECT_EQ(Found(EnglishTexts(*menu)), "") << "text field menu";
        dialog->hide();
    }
    EXPECT_EQ(Found(WalkNextModal([&] { Window().ShowIntroductionModal(); })), "");
    EXPECT_EQ(Found(WalkNextModal([&] { Actions().fileDelete->trigger(); })), "");
    EXPECT_EQ(Found(WalkNextModal([&] { Actions().bookImportPhotos->trigger(); })), "");
}

TEST_P(TranslatedWindowsTest, HelpOpensThePagesOfTheLanguage) {
    QStringList opened;
    MainWindowHooks hooks;
    hooks.openWebPage = [&opened](const QString& address) {
        opened << QUrl(address).fileName();
        return true;
    };
    Window().SetHooks(hooks);
    Actions().helpContents->trigger();
    Actions().helpFaq->trigger();
    const QString language = QString::fromLatin1(GetParam());
    EXPECT_EQ(opened,
              QStringList({"edit_" + language + ".html", "question_" + language + ".html"}));
    for (const QString& page : opened)
        EXPECT_TRUE(QFileInfo(QCoreApplication::applicationDirPath() + "/help/" + page).isFile());
}

TEST_P(TranslatedWindowsTest, TheIntroductionNamesTheMenusAsTheyRead) {
    const QString steps = IntroductionPanel::FirstSteps(strings);
    int named = 0;
    for (const QAction* item : {Actions().filePreview, Actions().bookOrder}) {
        for (const QMenu* menu : Window().menuBar()->findChildren<QMenu*>())
            if (menu->actions().contains(item))
                named += steps.contains(QStringLiteral("<b>%1 &gt; %2</b>")
                                            .arg(MainWindowRules::MenuCaption(menu->title()),
                                                 MainWindowRules::MenuCaption(item->text())));
    }
    EXPECT_EQ(named, 2) << steps.toStdString();
}

TEST_P(TranslatedWindowsTest, TheWalkNamesAnEnglishText) {
    auto* stray = new QLabel(QStringLiteral("Drop photos here"), &Window());
    stray->setObjectName(QStringLiteral("strayLabel"));
    stray->show();
    EXPECT_NE(Found(EnglishTexts(Window())).find("strayLabel"), std::string::npos);
    EXPECT_FALSE(IsEnglish(QStringLiteral("Lumbra 使用 Qt 6.4（https://www.qt.io）：PG1.jpg")));
    EXPECT_TRUE(IsEnglish(QStringLiteral("Export as PDF")));
}

INSTANTIATE_TEST_SUITE_P(Chinese, TranslatedWindowsTest, ::testing::Values("zh_CN", "zh_TW"));

} // namespace
