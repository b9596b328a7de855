#include "ui/common/UiTestSupport.h"

#include "model/ModelTestSupport.h"
#include "model/Templates.h"
#include "render/PageRenderer.h"

std::shared_ptr<const PageRenderer> TestRenderer(const QString& backgroundsFolder) {
    return std::make_shared<const PageRenderer>(
        PageRenderer::ForCatalogue(TestCatalogue(), backgroundsFolder));
}

UiTestObjects::UiTestObjects()
    : manager(books.path() + QLatin1Char('/'), TestCatalogue(), &strings) {}

UiContext UiTestObjects::Context() {
    return {manager, strings, TestCatalogue(), library, renderer, QImage()};
}
