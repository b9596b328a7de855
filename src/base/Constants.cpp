#include "base/Constants.h"

#include "base/KeyValueLine.h"
#include "base/LumbraError.h"
#include "base/Rounding.h"
#include "base/SafeRead.h"

#include <QHash>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace {

const QString kFontSizeKey = QStringLiteral("cTextControlDefaultFontSize");

const QHash<QString, int>& KeyIndex() {
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        const QStringList& keys = Constants::KnownKeys();
        for (int i = 0; i < keys.size(); ++i)
            h.insert(keys.at(i), i);
        return h;
    }();
    return index;
}

} // namespace

QString DecodeLanguageText(const QByteArray& bytes, QStringConverter::Encoding fallback) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder local(fallback);
    return local.decode(bytes);
}

const QStringList& Constants::KnownKeys() {
    static const QStringList keys = {
        // main window and menus
        "cMainFormCaption", "cMenuFile", "cMenuFileNew", "cMenuFileRename", "cMenuFileDelete",
        "cMenuFilePreview", "cMenuFileExit", "cMenuAlbum", "cMenuBook", "cMenuBookNewPage",
        "cMenuBookPreviousPage", "cMenuBookNextPage", "cMenuBookOrder", "cMenuBookOrderStatus",
        "cMenuBookOnePageView", "cMenuBookTwoPageView", "cMenuBookImportPhotos", "cMenuView",
        "cMenuViewSwitch", "cMenuHelp", "cMenuHelpIntroduction", "cMenuHelpContents",
        "cMenuHelpFAQ", "cMenuHelpChkUpdate", "cMenuHelpAbout", "cMenuHelpWebsite",
        "cBrowseRootFolder", "cImportPhotoDialog", "cDeleteConfirmCaption",
        "cDeleteConfirmLabelCaption", "cMissingPictureLabelCaption", "cMissingPictureCaption",
        "cImageTooSmallLabelCaption", "cImageTooSmallCaption", "cNoInternet",
        // book view toolbar
        "cBookToolBarResizeFullScreen",
        // pane switcher
        "cPhotoView", "cAlbumView", "cBackgroundView",
        // book dialogs and common buttons
        "cAboutCaption", "cCopyrightCaption", "cOkayButton", "cCancel", "cNextStep",
        "cNewBookCaption", "cNewBookLabelCaption", "cRenameBookCaption", "cRenameBookLabelCaption",
        "cBookNameIsRequiredCaption", "cBookNameAlreadyExist", "cUntitledBook",
        "cIntroductionCaption", "cNotShowIntroPanel", "cOnWaitMsg",
        // photo import
        "cImportStatusCaption", "cImportStatusAdded", "cImportStatusAlreadyExist",
        "cImportStatusUnsupportFormat",
        // template picker
        "cTemplateSelectorNoPhotos", "cTemplateSelectorPhotos", "cTemplateSelectorMorePhotos",
        // text boxes
        "cTextControlDefaultFont", "cTextControlDefaultFontSize",
        // backgrounds
        "cDownloadCaption", "cCloseCaption", "cDownloadDialog", "cConfirmDownloadAgain",
        "cDownloadFinish", "cBgControlMenuOptionAll", "cBgControlMenuOptionEven",
        "cBgControlMenuOptionOdd",
        // ordering
        "cOrderCaption", "cOrderUploadStartingCaption", "cOrderUploadStatusCaption",
        "cOrderVerifyCaption", "cOrderVerifyTryAgainCaption", "cOrderSelectCoverCaption",
        "cOrderSelectCoverTryAgainCaption", "cUploadErrorCaption", "cUploadErrorLabelCaption",
        "cCancelOrderCaption", "cCancelOrderLabelCaption", "cOrderStatusCaption",
        // update check
        "cNewUpdateCaption", "cNewUpdateHasNewVersion", "cNewUpdateNoNewVersion",
        "cNewUpdateChkingForUpdates",
        // accepted, shown nowhere
        "cMyPicturesFolder", "cMenuFileDownload", "cYes", "cNo", "cImageTooSmallWinCaption",
        "cImageTooSmallMsgCaption", "cTemplateTooLargeWinCaption", "cTemplateTooLargeMsgCaption",
        "cOrderPaymentCaption", "cOrderPaymentButtonCaption", "cBookPreviewDone",
        // ours: a book name the book manager refuses; a book that could not be saved
        "cBookNameInvalid", "cBookNameHiddenCharacter", "cBookSaveFailed"};
    return keys;
}

Constants::Constants() : mTexts(KnownKeys().size()) {}

void Constants::ApplyLanguageLine(const QString& line) {
    const std::optional<KeyValueLine> entry = SplitKeyValueLine(line);
    if (!entry)
        return;
    const auto it = KeyIndex().constFind(entry->key);
    if (it == KeyIndex().constEnd())
        return;
    if (entry->key == kFontSizeKey) {
        const std::optional<int> size = ParseFontSize(entry->value);
        if (!size)
            return;
        mFontSize = *size;
        mTexts[*it] = QString::number(*size);
        return;
    }
    mTexts[*it] = entry->value;
}

void Constants::LoadLanguageFile(const QString& path) {
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxTextFileBytes);
    if (!bytes)
        throw LumbraError(QStringLiteral("Language file not found: %1").arg(path));
    const QString text = DecodeLanguageText(*bytes);
    for (const QString& line : SplitTextLines(text))
        ApplyLanguageLine(line);
}

QString Constants::Text(QStringView key) const {
    const auto it = KeyIndex().constFind(key.toString());
    return it == KeyIndex().constEnd() ? QString() : mTexts.at(*it);
}

std::optional<int> ParseFontSize(const QString& value) {
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok); // C locale: "." as decimal point
    // The range check comes first: rounding a number beyond int64_t is undefined.
    if (!ok || !std::isfinite(number) || std::fabs(number) > 1e12)
        return std::nullopt;
    const int64_t rounded = RoundHalfEven(number);
    if (rounded > std::numeric_limits<int>::max() || rounded < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(rounded);
}
