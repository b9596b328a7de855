#include "render/RenderFixtures.h"

#include "render/check/BookCheck.h"
#include "render/check/BookProblemText.h"
#include "render/check/TextFits.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace RenderFixtures;

namespace {

PhotoPlacement Photo(QSize size, float ratio = 1) {
    PhotoPlacement photo;
    photo.fullSize = size;
    photo.ratio = ratio;
    return photo;
}

// A page of the given boxes, photos (with their likeness) and texts.
struct PageSpec {
    std::vector<const char*> photoBoxes = {};
    std::vector<std::optional<PhotoPlacement>> photos = {};
    std::vector<const char*> textBoxes = {};
    std::vector<QString> texts = {};
    std::vector<std::optional<PhotoLikeness>> likeness = {};
    QString background = {};
};

CheckedPage Checked(const PageSpec& spec) {
    CheckedPage page;
    const auto boxes = [](const std::vector<const char*>& definitions) {
        std::vector<TemplateBox> made(definitions.size());
        for (size_t i = 0; i < made.size(); ++i)
            made[i].Deserialize(QString::fromLatin1(definitions[i]));
        return made;
    };
    page.scene.photoBoxes = boxes(spec.photoBoxes);
    page.scene.textBoxes = boxes(spec.textBoxes);
    page.scene.photos = spec.photos;
    page.scene.photos.resize(spec.photoBoxes.size());
    page.scene.texts = spec.texts;
    page.scene.texts.resize(spec.textBoxes.size());
    page.scene.background = spec.background;
    page.likeness = spec.likeness;
    page.likeness.resize(spec.photoBoxes.size());
    return page;
}

// One paragraph aligned by `alignment` ("qc", "qr").
QString Aligned(const char* alignment, const char* text) {
    return QStringLiteral(
               "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil DejaVu Sans;}}\\pard\\%1\\f0\\fs24 %2\\par}")
        .arg(QLatin1String(alignment), QLatin1String(text));
}

QString LongText() { return Rtf(QStringLiteral("summer by the lake ").repeated(60)); }

// The check's lines, the count left out.
QStringList Lines(const std::vector<CheckedPage>& pages) {
    BookCheckInput input{QSizeF(kPageW, kPageH), MinRatios{}, pages};
    TextFits texts;
    QStringList lines;
    for (const BookProblem& problem : CheckBook(input, texts))
        lines << BookProblemText::Line(problem);
    return lines;
}

const char* kFull = "Photo[0,0,289,208,0";
const char* kCaption = "Text[30,180,230,25,0";
const PhotoPlacement kSharp = Photo({2400, 1600});
const PhotoPlacement kSmall = Photo({600, 400});
const QString kShort = Rtf(QStringLiteral("By the sea"));

} // namespace

TEST(BookCheck, FindsEachKindOnItsPageAndBox) {
    const struct {
        const char* name;
        std::vector<PageSpec> pages;
        QStringList lines;
    } cases[] = {
        {"clean", {{{kFull}, {kSharp}, {kCaption}, {kShort}}}, {}},
        {"a sharp photo zoomed in too far",
         {{{kFull}, {Photo({2400, 1600}, 0.5f)}}},
         {"page 1: low-resolution: photo box 1: 97 pixels per inch, 141 needed"}},
        {"an empty second box",
         {{{kFull, "Photo[10,10,50,50,0"}, {kSharp}}},
         {"page 1: empty-photo-box: photo box 2 has no photo"}},
        {"a background is something on the page",
         {{{kFull}, {}, {}, {}, {}, "linen"}},
         {"page 1: empty-photo-box: photo box 1 has no photo"}},
        {"nothing, or blank text, is an empty page only",
         {{{kFull}, {}, {kCaption}, {}}, {{kFull}, {}, {kCaption}, {Rtf("   ")}}},
         {"page 1: empty-page: nothing on the page", "page 2: empty-page: nothing on the page"}},
        {"right-aligned text by the right edge",
         {{{}, {}, {"Text[200,100,86,20,0"}, {Aligned("qr", "Evening")}}},
         {"page 1: text-near-edge: text box 1: 3.0 mm from the right edge"}},
        {"a page-wide box whose centred text keeps away from the edges",
         {{{}, {}, {"Text[0,80,289,40,0"}, {Aligned("qc", "Summer")}}},
         {}},
        {"problems of a page in box order",
         {{{kFull, "Photo[10,10,50,50,0"}, {kSmall}, {"Text[2,100,60,10,0"}, {LongText()}}},
         {"page 1: low-resolution: photo box 1: 48 pixels per inch, 141 needed",
          "page 1: empty-photo-box: photo box 2 has no photo",
          "page 1: text-overflow: text box 1: 59 lines cut",
          "page 1: text-near-edge: text box 1: 2.0 mm from the left edge"}},
        {"one photo on pages 1 and 3, named on page 3",
         {{{kFull}, {kSharp}, {}, {}, {PhotoLikeness{QSize(2400, 1600), 1, 1000}}},
          {{kFull}, {kSharp}, {}, {}, {PhotoLikeness{QSize(2400, 1600), 1, 2000}}},
          {{kFull}, {kSharp}, {}, {}, {PhotoLikeness{QSize(2400, 1600), 1, 1000}}}},
         {"page 3: photo-twice: photo box 1: the same photo as on page 1"}},
    };
    for (const auto& c : cases) {
        std::vector<CheckedPage> pages;
        for (const PageSpec& spec : c.pages)
            pages.push_back(Checked(spec));
        EXPECT_EQ(Lines(pages), c.lines) << c.name << ": " << Lines(pages).join('|').toStdString();
    }
}
