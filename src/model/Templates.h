#pragma once

#include "model/Template.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class Constants;

// The catalogue of page layouts, read from the built-in catalogue text, with
// the page geometry it carries. Group n holds the templates with n photo
// boxes (group 8: eight or more), newest first.
class Templates {
public:
    static constexpr int kHighestGroup = 8;
    // The minimum pixels per mm of the built-in catalogue.
    static constexpr double kStockMinRatio = MinRatios::kStock;

    // Reads the built-in catalogue; strings name the groups (null: empty
    // texts). Throws LumbraError on a malformed catalogue.
    explicit Templates(const Constants* strings = nullptr);
    // Reads the given catalogue text (8-bit, one byte per character).
    Templates(const QByteArray& catalogueText, const Constants* strings);

    float PageWidth() const { return float(mPage[0]); }
    float PageHeight() const { return float(mPage[1]); }
    float GetXBorder() const { return float(mPage[2]); }
    float GetYBorder() const { return float(mPage[3]); }
    float GetXCut() const { return float(mPage[4]); }
    float GetYCut() const { return float(mPage[5]); }
    float GetXRatio() const { return float(mPage[6]); }
    float GetYRatio() const { return float(mPage[7]); }
    float GetMinXRatio() const { return float(mPage[8]); }
    float GetMinYRatio() const { return float(mPage[9]); }
    MinRatios PhotoMinRatios() const { return {GetMinXRatio(), GetMinYRatio()}; }
    float CoverWidth() const { return float(mCover[0]); }
    float CoverHeight() const { return float(mCover[1]); }

    // Sizes in pixels of the main screen.
    int16_t PageWidthPixel() const;
    int16_t PageHeightPixel() const;
    // mm at dpi dots per inch, rounded halves to even, limited to the int16_t range.
    static int16_t ScreenPixels(double millimetres, double dpi);
    // The main screen's logical resolution, 96 without a screen.
    static double ScreenDpi();

    const std::shared_ptr<Template>& GetDefaultTemplate() const { return mDefault; }
    // Files the template as the new head of its group.
    void AddTemplate(std::shared_ptr<Template> item);
    int GetCount() const { return kHighestGroup; }
    // The group's templates, newest first; throws LumbraError outside 0..8.
    const std::vector<std::shared_ptr<Template>>& GroupTemplates(int group) const;
    // Display name of a group for the template selector.
    QString GetName(int group) const;

private:
    void ReadCatalogue(const QString& text);
    void ReadEntry(const QString& key, const QString& value);

    const Constants* mStrings;
    std::array<double, 10> mPage{};
    std::array<double, 2> mCover{};
    std::array<std::vector<std::shared_ptr<Template>>, kHighestGroup + 1> mGroups;
    std::shared_ptr<Template> mDefault;
};
