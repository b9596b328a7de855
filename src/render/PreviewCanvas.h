#pragma once

#include "imaging/FiBitmap.h"

#include <QImage>
#include <QSize>
#include <QStringList>

class PageRenderer;
struct PageScene;

// The book preview: each page rendered at 600 x 432 on a white canvas of
// 600 x 452 whose bottom 20 rows carry one line of black promotional text.
inline constexpr QSize cPreviewCanvasSize{600, 452};
inline constexpr QSize cPreviewPageSize{600, 432};
inline constexpr int cPreviewStripHeight = 20;

// The canvas, drawn in memory once per process (any thread).
const QImage& PreviewCanvas();

// The page pasted at (0, 0) onto a copy of the canvas. Throws LumbraError
// when the pictures cannot be made.
FiBitmap ComposePreviewPage(const PageScene& scene, const PageRenderer& renderer,
                            QStringList* problems = nullptr);
