#pragma once

#include "render/rtf/RtfReader.h"
#include "ui/editors/BoxEditEvents.h"
#include "ui/editors/BoxEditors.h"

#include <QString>
#include <QWidget>

#include <memory>

class Book;
class BookManager;
class Constants;
class QAction;
class QComboBox;
class QToolBar;
class QToolButton;
class TextBoxEditView;
class TextBoxPalette;
class TextBoxSwatch;
class Page;

// The text box editor: a rich-text area over one text box of a page, with
// a toolbar above it for font, size, bold, italic, underline, alignment and
// colour, and Done. Ctrl+B, Ctrl+I and Ctrl+U act as the bold, italic and
// underline buttons. The text is shown at the book view's zoom in the lines
// the page rendering gives. When the edit ends the text goes back to the page
// as RTF (and, with Done or Destroy, the book is saved). The page owns the text; the editor
// keeps only the page, the box's index and its template box.
class TextBoxEditor : public QWidget, public TextBoxEditing {
    Q_OBJECT
public:
    // strings: for the default font and size of new text.
    TextBoxEditor(QWidget* parent, BookManager& manager, const Constants& strings);
    ~TextBoxEditor() override;

    // Opens the editor on a text box, committing an edit in progress first.
    void Init(const std::shared_ptr<Page>& aPage, int textBoxIndex) override;
    // Places the editor so that the text covers the box (pixels of the view).
    // Kept inside the hosting view's width (surfaceWidth without a parent).
    void SetLocationAndSize(int x, int y, int width, int height, int surfaceWidth) override;
    // Stores the text in the page and saves the book; nothing when closed.
    void Destroy() override;
    // Stores the text in the page without saving the book.
    void DestroyWithoutSave();
    bool IsInitialized() const override { return mPage != nullptr; }
    int PageId() const override;
    std::shared_ptr<const TemplateBox> TextBox() const override { return mTextBox; }
    int TextBoxIndex() const { return mTextBoxIndex; }

    // Fills the font list (done once, when the editor is first shown).
    void FillFontList();
    // Runs a toolbar button by key ("ok" is Done); unknown keys do nothing.
    void ToolbarClick(const QString& key);
    // Shows or hides the colour palette.
    void TogglePalette();
    // Sets the toolbar from the selection's format.
    void SyncSelection();

    // Parts, for the book view's screenshots and for tests.
    QToolBar* Toolbar() const { return mToolbar; }
    QAction* ToolbarButton(const QString& key) const;
    QComboBox* FontCombo() const { return mFontCombo; }
    QComboBox* FontSizeCombo() const { return mFontSizeCombo; }
    QToolButton* ColorButton() const { return mColorButton; }
    TextBoxSwatch* ColorPicture() const { return mColorPicture; }
    TextBoxPalette* ColorPalette() const { return mColorPalette; }
    TextBoxEditView* RichTextBox() const { return mRichTextBox; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void BuildToolbar();
    // A checkable button whose key is its data.
    void AddToolbarButton(const QString& key, const QString& icon);
    void BuildColorParts();
    void Close(bool save);
    QString EditedText() const;
    void HidePalette();
    void UpdateMask();
    void ApplyFontName(const QString& name);
    void ApplyFontSize(const QString& text);
    void ApplyColor(const QColor& color);
    void FocusText();

    BoxEditEvents mEvents;
    RtfDefaults mDefaults;
    std::shared_ptr<Book> mBook;
    std::shared_ptr<Page> mPage;
    std::shared_ptr<const TemplateBox> mTextBox;
    int mTextBoxIndex = -1;
    QString mLoadedText;
    bool mFontListFilled = false;

    QToolBar* mToolbar = nullptr;
    QComboBox* mFontCombo = nullptr;
    QComboBox* mFontSizeCombo = nullptr;
    QToolButton* mColorButton = nullptr;
    TextBoxSwatch* mColorPicture = nullptr;
    TextBoxPalette* mColorPalette = nullptr;
    TextBoxEditView* mRichTextBox = nullptr;
};
