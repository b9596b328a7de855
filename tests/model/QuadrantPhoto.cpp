#include "model/QuadrantPhoto.h"

#include "imaging/TestJpegs.h"
#include "model/TemplateBox.h"

void QuadrantPhoto::SetUp() {
    const QString source = dir.path() + QStringLiteral("/q.jpg");
    TestJpegs::Write(source, TestJpegs::Quadrants(800, 600));
    photo.SetImage(source, dir.path() + QLatin1Char('/'));
    ASSERT_TRUE(photo.IsSupportedFormat());
    auto box = std::make_shared<TemplateBox>();
    box->Deserialize(QStringLiteral("Photo[0,0,100,50,0"));
    photo.SetPhotoBox(box);
}
