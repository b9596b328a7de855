#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>

class PageRenderer;
struct PageSnapshot;

// The book preview: each page rendered at 600 x 432 on a white canvas of
// 600 x 452 whose bottom 20 rows carry one line of black promotional text.
inline constexpr QSize kPreviewCanvasSize{600, 452};
inline constexpr QSize kPreviewPageSize{600, 432};
inline constexpr int kPreviewStripHeight = 20;

// The canvas, drawn in memory once per process (any thread).
const QImage& PreviewCanvas();

// The page rendered for print at kPreviewPageSize and drawn at (0, 0) onto a
// copy of the canvas. Throws LumbraError when the pictures cannot be made.
QImage ComposePreviewPage(const PageSnapshot& page, const PageRenderer& renderer,
                          QStringList* problems = nullptr);
