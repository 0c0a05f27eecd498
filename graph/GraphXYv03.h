#pragma once

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graph/GraphImage.h"
#include "platform/Color.h"

// One point of a tabulated function.
struct TPointXY {
    long double X = 0;
    long double Y = 0;
};

// An XY graph of tabulated functions, drawn on an image inside a host panel:
// a grey grid with numeric labels, the two black axes, and primitives in data
// coordinates. It places its image, a box frame and a caption label on the
// panel, which owns them; the graph frees them when it goes. Its own problems
// are told in plain message boxes.
//
// A graph built on a panel below 80 x 80 pixels, or whose panel is gone, has
// no controls, and every operation does nothing.
class TGraphXY {
public:
    TGraphXY() = default;
    ~TGraphXY();  // frees the label, the frame and the image, in this order
    TGraphXY(const TGraphXY&) = delete;
    TGraphXY& operator=(const TGraphXY&) = delete;

    void BuildOnPanel(QWidget* Panel, const std::string& Suffix);
    bool IsBuilt() const { return !image_.isNull(); }
    bool HasScale() const { return scaleX_ > 0 && scaleY_ > 0; }

    void SetCaption(const std::string& Text);
    void SetBackColor(platform::Color Color);
    void ClearImage();
    void RepaintGraph();
    void ResetScale();
    void ClearGraph();  // adapts the surface to a changed image size, then ResetScale
    void FindOptimalScale(bool KeepProportion, bool IncludeOrigin, const std::vector<TPointXY>& Points);
    void CalcScales();

    // Pixel column and row of a data value, halves rounded to even; 0 while
    // that scale is not set. A value whose pixel lies outside the 32-bit
    // range (or is not a number) throws std::range_error.
    std::int32_t XToPixel(long double X) const;
    std::int32_t YToPixel(long double Y) const;

    void PaintAxes();
    void PaintHorLine(platform::Color Color, const std::string& Text, long double Y);
    void PaintVertLine(platform::Color Color, const std::string& Text, long double X);
    void TextAtPixel(std::int32_t PX, std::int32_t PY, platform::Color Color, const std::string& Text);
    void PaintText(std::int32_t PX, std::int32_t PY, platform::Color Color, const std::string& Text);
    void SubscriptPointXY(platform::Color Color, const std::string& Text, long double X, long double Y);
    void PaintPointXY(platform::Color PenColor, platform::Color BrushColor, long double X, long double Y,
                      std::uint8_t Radius);
    void PaintLineXY(platform::Color Color, long double X1, long double Y1, long double X2, long double Y2);

    // Kind 'B' writes a Windows bitmap, 'J' a JPEG (either case); the name
    // loses everything from the first dot of its file name. A write failure
    // throws std::runtime_error.
    void SaveImage(const std::string& FileName, char Kind);

    GraphImage* Image() const { return image_; }
    QFrame* Bevel() const { return bevel_; }
    QLabel* TitleLabel() const { return titleLabel_; }
    const std::string& Caption() const { return caption_; }
    platform::Color BackColor() const { return backColor_; }
    std::uint16_t PlotWidth() const { return plotWidth_; }
    std::uint16_t PlotHeight() const { return plotHeight_; }
    std::uint16_t XDivisions() const { return xDivisions_; }
    std::uint16_t YDivisions() const { return yDivisions_; }
    platform::Color GridColor() const { return gridColor_; }
    long double ScaleX() const { return scaleX_; }
    long double ScaleY() const { return scaleY_; }
    long double XMin() const { return xMin_; }
    long double XMax() const { return xMax_; }
    long double YMin() const { return yMin_; }
    long double YMax() const { return yMax_; }
    long double XAxisAtY() const { return xAxisAtY_; }
    long double YAxisAtX() const { return yAxisAtX_; }
    platform::Color AxisColor() const { return axisColor_; }
    const std::string& XLabelFormat() const { return xLabelFormat_; }
    const std::string& YLabelFormat() const { return yLabelFormat_; }

private:
    struct TextSize {
        std::int64_t width;
        std::int64_t height;
    };

    // Runs Draw with a painter on the drawing surface, opaque text on the
    // canvas brush colour; nothing while there is no image or the surface is empty.
    template <class Draw>
    void OnCanvas(Draw&& draw);
    TextSize TextExtent(const std::string& Text);
    void SetPlotSize(int imageWidth, int imageHeight);
    std::int32_t ImageWidth() const;
    std::int32_t ImageHeight() const;

    QPointer<GraphImage> image_;
    QPointer<QFrame> bevel_;
    QPointer<QLabel> titleLabel_;
    std::string caption_;
    platform::Color backColor_ = 0;
    std::uint16_t plotWidth_ = 0;
    std::uint16_t plotHeight_ = 0;
    std::uint16_t xDivisions_ = 0;
    std::uint16_t yDivisions_ = 0;
    platform::Color gridColor_ = 0;
    long double scaleX_ = 0;
    long double scaleY_ = 0;
    long double xMin_ = 0;
    long double xMax_ = 0;
    long double yMin_ = 0;
    long double yMax_ = 0;
    long double xAxisAtY_ = 0;
    long double yAxisAtX_ = 0;
    platform::Color axisColor_ = 0;
    std::string xLabelFormat_;
    std::string yLabelFormat_;
};

// The name SaveImage writes for FileName and Kind: everything from the first
// dot of the file name replaced by ".bmp" or ".jpg"; empty when it writes nothing.
std::string ImageFileName(const std::string& FileName, char Kind);

// Frees the graph and its controls and repaints the panel it was built on;
// returns the empty reference the caller keeps in its place.
std::unique_ptr<TGraphXY> FreeGraph(std::unique_ptr<TGraphXY> Graph);
