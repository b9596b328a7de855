#include "model/Templates.h"

#include "base/Constants.h"
#include "base/LumbraError.h"
#include "base/SafeRead.h"
#include "model/TemplateNumbers.h"

#include "base/Rounding.h"
#include <QStringList>

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

// Global scope: the resource initialiser must not get internal linkage.
static QByteArray BuiltInCatalogue() {
    Q_INIT_RESOURCE(core);
    const std::optional<QByteArray> catalogue =
        ReadRegularFile(QStringLiteral(":/templates.txt"), kMaxTextFileBytes);
    if (!catalogue)
        throw LumbraError(QStringLiteral("The built-in template catalogue is missing"));
    return *catalogue;
}

namespace {

constexpr double kMillimetresPerInch = 25.4;

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

template <size_t N>
void ReadNumbers(const QString& key, const QString& value, std::array<double, N>& into) {
    const QStringList fields = value.split(u',');
    if (size_t(fields.size()) < N)
        throw LumbraError(
            QStringLiteral("The catalogue's \"%1\" needs %2 numbers").arg(key).arg(N));
    for (size_t i = 0; i < N; ++i)
        into[i] = TemplateNumbers::Parse(fields[qsizetype(i)]);
}

} // namespace

Templates::Templates(const Constants* strings) : Templates(BuiltInCatalogue(), strings) {}

Templates::Templates(const QByteArray& catalogueText, const Constants* strings)
    : mStrings(strings) {
    ReadCatalogue(QString::fromLatin1(catalogueText));
}

void Templates::ReadCatalogue(const QString& text) {
    bool pageRead = false;
    for (const QString& piece : text.split(u'+')) {
        const qsizetype dash = piece.lastIndexOf(u'-');
        if (dash < 0)
            continue;
        const QString key = TrimBlanks(piece.left(dash));
        ReadEntry(key, TrimBlanks(piece.mid(dash + 1)));
        pageRead = pageRead || key == QLatin1String("Page");
    }
    if (!pageRead)
        throw LumbraError(QStringLiteral("The template catalogue has no page size"));
    if (!mDefault)
        throw LumbraError(QStringLiteral("The template catalogue has no default template"));
}

void Templates::ReadEntry(const QString& key, const QString& value) {
    if (key == QLatin1String("Page")) {
        ReadNumbers(key, value, mPage);
    } else if (key == QLatin1String("Cover")) {
        ReadNumbers(key, value, mCover);
    } else if (key == QLatin1String("Template") || key == QLatin1String("DefaultTemplate")) {
        auto item = Template::FromDefinition(value);
        if (key == QLatin1String("DefaultTemplate"))
            mDefault = item;
        AddTemplate(std::move(item));
    }
}

void Templates::AddTemplate(std::shared_ptr<Template> item) {
    auto& group = mGroups[size_t(std::min(item->PhotoBoxCount(), kHighestGroup))];
    group.insert(group.begin(), std::move(item));
}

const std::vector<std::shared_ptr<Template>>& Templates::GroupTemplates(int group) const {
    if (group < 0 || group > kHighestGroup)
        throw LumbraError(QStringLiteral("No template group %1").arg(group));
    return mGroups[size_t(group)];
}

QString Templates::GetName(int group) const {
    GroupTemplates(group); // checks the range
    const auto text = [this](QStringView key) {
        return mStrings ? mStrings->Text(key) : QString();
    };
    if (group == 0)
        return text(u"cTemplateSelectorNoPhotos");
    if (group == kHighestGroup)
        return text(u"cTemplateSelectorMorePhotos");
    return QString::number(group) + u' ' + text(u"cTemplateSelectorPhotos");
}

int16_t Templates::ScreenPixels(double millimetres, double dpi) {
    // Clamped before rounding: a catalogue may give any finite number of mm.
    const double pixels = std::clamp(millimetres * dpi / kMillimetresPerInch, -32768.0, 32767.0);
    return int16_t(RoundHalfEven(pixels));
}

double Templates::ScreenDpi() {
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

int16_t Templates::PageWidthPixel() const { return ScreenPixels(mPage[0], ScreenDpi()); }
int16_t Templates::PageHeightPixel() const { return ScreenPixels(mPage[1], ScreenDpi()); }
