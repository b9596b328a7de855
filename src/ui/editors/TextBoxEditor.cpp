#include "ui/editors/TextBoxEditor.h"

#include "base/Constants.h"
#include "model/Book.h"
#include "model/BookManager.h"
#include "model/BookSession.h"
#include "model/Page.h"
#include "model/Template.h"
#include "model/TemplateBox.h"
#include "render/TextRender.h"
#include "render/rtf/RtfWriter.h"
#include "ui/common/ButtonTips.h"
#include "ui/common/EditorToolbar.h"
#include "ui/common/GuardedStep.h"
#include "ui/common/ProgramIcons.h"
#include "ui/editors/EditorFocus.h"
#include "ui/editors/TextBoxEditChoices.h"
#include "ui/editors/TextBoxEditMath.h"
#include "ui/editors/TextBoxEditView.h"
#include "ui/editors/TextBoxPalette.h"
#include "ui/editors/TextSelectionFormat.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

namespace {

RtfDefaults DefaultsFrom(const Constants& strings) {
    return NewTextDefaults(strings.Text(u"cTextControlDefaultFont"), strings.DefaultTextFontSize());
}

QComboBox* MakeCombo(int width) {
    auto* combo = new QComboBox;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFixedWidth(width);
    combo->setMaxVisibleItems(16);
    return combo;
}

// The list's entry of `text` becomes current, so that the list opens at it;
// a text the list does not hold only shows in the edit line.
void ShowInCombo(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index);
    if (index < 0)
        combo->setEditText(text);
}

} // namespace

TextBoxEditor::TextBoxEditor(QWidget* parent, BookManager& manager, const Constants& strings)
    : QWidget(parent), mEvents(
                           this, manager, [this] { Destroy(); }, [this] { DestroyWithoutSave(); }),
      mDefaults(DefaultsFrom(strings)) {
    BuildToolbar();
    mRichTextBox = new TextBoxEditView(this);
    connect(mRichTextBox, &TextBoxEditView::selectionMoved, this, &TextBoxEditor::SyncSelection);
    connect(mRichTextBox, &TextBoxEditView::pressed, this, &TextBoxEditor::HidePalette);
    connect(mRichTextBox, &TextBoxEditView::escapePressed, this, &TextBoxEditor::Destroy);
    connect(mRichTextBox, &TextBoxEditView::formatKeyPressed, this, &TextBoxEditor::ToolbarClick);
    mColorPalette = new TextBoxPalette(this);
    mColorPalette->hide();
    connect(mColorPalette, &TextBoxPalette::previewed, mColorPicture, &TextBoxSwatch::SetColor);
    connect(mColorPalette, &TextBoxPalette::picked, this, &TextBoxEditor::ApplyColor);
    hide();
}

TextBoxEditor::~TextBoxEditor() {
    // The parts go after this object's own members; nothing of theirs may reach it then.
    mRichTextBox->disconnect(this);
    mColorPalette->disconnect(this);
}

void TextBoxEditor::BuildToolbar() {
    mToolbar = new QToolBar(this);
    mToolbar->setAutoFillBackground(true);
    mToolbar->setIconSize(QSize(18, 18));
    mToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    mFontCombo = MakeCombo(150);
    mFontSizeCombo = MakeCombo(52);
    mFontSizeCombo->addItems(EditorFontSizes());
    mFontCombo->setToolTip(TextEditorTip(QStringLiteral("font")));
    mFontSizeCombo->setToolTip(TextEditorTip(QStringLiteral("size")));
    mToolbar->addWidget(mFontCombo);
    mToolbar->addWidget(mFontSizeCombo);
    connect(mFontCombo, &QComboBox::textActivated, this, &TextBoxEditor::ApplyFontName);
    connect(mFontSizeCombo, &QComboBox::textActivated, this, &TextBoxEditor::ApplyFontSize);
    connect(mFontSizeCombo->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { ApplyFontSize(mFontSizeCombo->currentText()); });
    AddToolbarButton(QStringLiteral("bold"), QStringLiteral("format-text-bold"));
    AddToolbarButton(QStringLiteral("italic"), QStringLiteral("format-text-italic"));
    AddToolbarButton(QStringLiteral("underline"), QStringLiteral("format-text-underline"));
    mToolbar->addSeparator();
    AddToolbarButton(QStringLiteral("alignLeft"), QStringLiteral("format-justify-left"));
    AddToolbarButton(QStringLiteral("alignCenter"), QStringLiteral("format-justify-center"));
    AddToolbarButton(QStringLiteral("alignRight"), QStringLiteral("format-justify-right"));
    mToolbar->addSeparator();
    BuildColorParts();
    mToolbar->addSeparator();
    QAction* done = AddDoneButton(mToolbar, QStringLiteral("ok"));
    connect(done, &QAction::triggered, this, [this] { ToolbarClick(QStringLiteral("ok")); });
    mToolbar->adjustSize();
}

void TextBoxEditor::AddToolbarButton(const QString& key, const QString& icon) {
    QAction* action = mToolbar->addAction(ProgramIcon(icon), QString());
    action->setData(key);
    action->setObjectName(key);
    action->setToolTip(TextEditorTip(key));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, key] { ToolbarClick(key); });
}

void TextBoxEditor::BuildColorParts() {
    mColorButton = new QToolButton;
    mColorButton->setIcon(ProgramIcon(QStringLiteral("text-color")));
    mColorButton->setAutoRaise(true);
    mColorButton->setFocusPolicy(Qt::NoFocus);
    mColorButton->setToolTip(TextEditorTip(QStringLiteral("color")));
    mColorPicture = new TextBoxSwatch;
    mToolbar->addWidget(mColorButton);
    mToolbar->addWidget(mColorPicture);
    connect(mColorButton, &QToolButton::clicked, this, &TextBoxEditor::TogglePalette);
    connect(mColorPicture, &TextBoxSwatch::clicked, this, &TextBoxEditor::TogglePalette);
}

QAction* TextBoxEditor::ToolbarButton(const QString& key) const {
    return ActionWithKey(mToolbar->actions(), key);
}

void TextBoxEditor::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!mFontListFilled)
        FillFontList();
}

void TextBoxEditor::FillFontList() {
    const QString shown = mFontCombo->currentText();
    mFontCombo->clear();
    mFontCombo->addItems(EditorFontNames(mDefaults.family));
    ShowInCombo(mFontCombo, shown);
    // The open list shows the longest name whole.
    mFontCombo->view()->setMinimumWidth(mFontCombo->view()->sizeHintForColumn(0) + 24);
    mFontListFilled = true;
    SyncSelection();
}

void TextBoxEditor::Init(const std::shared_ptr<Page>& aPage, int textBoxIndex) {
    const std::shared_ptr<Book> book = mEvents.Manager().GetBook();
    Destroy(); // an edit in progress is stored and saved first
    HidePalette();
    std::shared_ptr<const TemplateBox> box;
    QString text;
    const bool found =
        aPage && aPage->Template() && RunGuarded("Reading the text box to edit", [&] {
            box = aPage->Template()->TextBox(textBoxIndex);
            text = aPage->text(textBoxIndex);
        });
    if (!found || !box)
        return;

    mBook = book;
    mPage = aPage;
    mEvents.FollowEdit(mBook.get(), mPage.get());
    mTextBox = box;
    mTextBoxIndex = textBoxIndex;
    mLoadedText = text;
    mRichTextBox->Load(text, QSizeF(box->width(), box->height()), mDefaults);
    show();
    mColorPicture->SetColor(Qt::black);
    SyncSelection();
}

void TextBoxEditor::SetLocationAndSize(int x, int y, int width, int height, int surfaceWidth) {
    if (!IsInitialized())
        return;
    const QSize bar = mToolbar->sizeHint();
    const int viewWidth = parentWidget() ? parentWidget()->width() : surfaceWidth;
    const TextEditorPlacement place =
        PlaceTextEditor(QRect(x, y, width, height), bar, mColorPalette->height(), viewWidth);
    setGeometry(place.editor);
    mToolbar->setGeometry(QRect(QPoint(0, 0), bar));
    mRichTextBox->setGeometry(place.richText);
    mRichTextBox->SetBoxWidth(width);
    mColorPalette->move(PalettePosition(bar, mColorPalette->size()));
    UpdateMask();
    raise();
    FocusText();
    update();
}

void TextBoxEditor::Destroy() { Close(true); }

void TextBoxEditor::DestroyWithoutSave() { Close(false); }

void TextBoxEditor::Close(bool save) {
    if (!IsInitialized())
        return;
    ReturnFocusToHost(this);
    hide();
    HidePalette();
    const QString text = EditedText();
    const std::shared_ptr<Page> edited = std::move(mPage);
    const std::shared_ptr<Book> book = std::move(mBook);
    const int index = mTextBoxIndex;
    mEvents.UnfollowEdit();
    mPage.reset();
    mBook.reset();
    mTextBox.reset();
    mTextBoxIndex = -1;
    mLoadedText.clear();
    if (save && book)
        RunGuarded("Saving a text edit",
                   [&] { mEvents.Manager().Session().EditText(*edited, index, text); });
    else
        RunGuarded("Storing an edited text", [&] { edited->SetText(index, text); });
}

// An untouched text goes back as it came; a text emptied by the user
// leaves an empty box.
QString TextBoxEditor::EditedText() const {
    const QTextDocument* document = mRichTextBox->Document();
    if (!document || !document->isModified())
        return mLoadedText;
    if (document->isEmpty())
        return QString();
    return RtfWriter::Write(*document);
}

int TextBoxEditor::PageId() const { return mPage ? mPage->GetPageId() : -1; }

void TextBoxEditor::SyncSelection() {
    const SelectionFormat format = ReadSelectionFormat(mRichTextBox->TextCursor());
    const auto press = [this](const char* key, bool pressed) {
        if (QAction* action = ToolbarButton(QString::fromLatin1(key)))
            action->setChecked(pressed);
    };
    if (format.bold)
        press("bold", *format.bold);
    if (format.italic)
        press("italic", *format.italic);
    if (format.underline)
        press("underline", *format.underline);
    if (format.alignment) {
        press("alignLeft", *format.alignment == TextAlignment::Left);
        press("alignCenter", *format.alignment == TextAlignment::Center);
        press("alignRight", *format.alignment == TextAlignment::Right);
    }
    if (format.family)
        ShowInCombo(mFontCombo, *format.family);
    if (format.pointSize)
        ShowInCombo(mFontSizeCombo, QString::number(*format.pointSize));
    if (format.color)
        mColorPicture->SetColor(*format.color);
    mToolbar->update();
}

void TextBoxEditor::ToolbarClick(const QString& key) {
    if (!IsInitialized())
        return;
    if (key == QLatin1String("ok")) {
        Destroy();
        return;
    }
    QTextCursor cursor = mRichTextBox->TextCursor();
    const SelectionFormat format = ReadSelectionFormat(cursor);
    if (key == QLatin1String("bold"))
        SetSelectionBold(cursor, !format.bold.value_or(false));
    else if (key == QLatin1String("italic"))
        SetSelectionItalic(cursor, !format.italic.value_or(false));
    else if (key == QLatin1String("underline"))
        SetSelectionUnderline(cursor, !format.underline.value_or(false));
    else if (key == QLatin1String("alignLeft"))
        SetSelectionAlignment(cursor, TextAlignment::Left);
    else if (key == QLatin1String("alignCenter"))
        SetSelectionAlignment(cursor, TextAlignment::Center);
    else if (key == QLatin1String("alignRight"))
        SetSelectionAlignment(cursor, TextAlignment::Right);
    else
        return;
    mRichTextBox->SetTextCursor(cursor);
    SyncSelection();
    FocusText();
}

void TextBoxEditor::ApplyFontName(const QString& name) {
    if (IsInitialized() && !name.trimmed().isEmpty()) {
        QTextCursor cursor = mRichTextBox->TextCursor();
        SetSelectionFamily(cursor, name.trimmed());
        mRichTextBox->SetTextCursor(cursor);
    }
    FocusText();
}

void TextBoxEditor::ApplyFontSize(const QString& text) {
    const std::optional<double> size = ParseEditorFontSize(text);
    if (IsInitialized() && size) {
        QTextCursor cursor = mRichTextBox->TextCursor();
        SetSelectionPointSize(cursor, *size);
        mRichTextBox->SetTextCursor(cursor);
    }
    FocusText();
}

void TextBoxEditor::ApplyColor(const QColor& color) {
    HidePalette();
    if (IsInitialized()) {
        QTextCursor cursor = mRichTextBox->TextCursor();
        SetSelectionColor(cursor, color);
        mRichTextBox->SetTextCursor(cursor);
    }
    mColorPicture->SetColor(color);
    FocusText();
}

void TextBoxEditor::TogglePalette() {
    if (!mColorPalette->isHidden()) {
        HidePalette();
        return;
    }
    mColorPalette->move(PalettePosition(mToolbar->sizeHint(), mColorPalette->size()));
    mColorPalette->show();
    mColorPalette->raise();
    UpdateMask();
}

void TextBoxEditor::HidePalette() {
    mColorPalette->hide();
    UpdateMask();
}

// Only the toolbar, the text and the open palette cover the page; the rest
// of the editor's rectangle lets clicks through.
void TextBoxEditor::UpdateMask() {
    QRegion region = QRegion(mToolbar->geometry()) + QRegion(mRichTextBox->geometry());
    if (!mColorPalette->isHidden())
        region += QRegion(mColorPalette->geometry());
    setMask(region);
}

void TextBoxEditor::FocusText() {
    if (IsInitialized())
        mRichTextBox->FocusText();
}

void TextBoxEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && IsInitialized()) {
        Destroy();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TextBoxEditor::mousePressEvent(QMouseEvent* event) {
    event->accept(); // a press on the editor never reaches the view below
}
