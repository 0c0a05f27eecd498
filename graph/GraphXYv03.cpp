#include "graph/GraphXYv03.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "graph/ImageFiles.h"
#include "graph/LabelText.h"
#include "graph/PanelAnchor.h"
#include "graph/QtColor.h"
#include "platform/FileNames.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr int kMinPanelSize = 80;
constexpr int kImageLeft = 6;
constexpr int kImageTop = 26;
constexpr int kLabelTop = 5;
constexpr int kPlotInset = 17;   // image size less plot size
constexpr int kPlotMargin = 8;   // pixels between the surface's edge and the plotting range
constexpr std::uint16_t kDivisions = 10;
constexpr platform::Color kGrey = 0x00808080;
// A grid loop ends once its running value passes the end of the range, after
// about Divisions + 1 lines; a step below the resolution of the values would
// never get there, so a loop draws at most this many lines per division.
constexpr int kGridLinesPerDivision = 3;

const char* const kDefaultCaption = "Панель для отображения табличных функций";
const char* const kLabelFormat = "%-0.2f";
const char* const kNoScaleX = "GraphXY : Не могу вычислить масштаб для оси X";
const char* const kNoScaleY = "GraphXY : Не могу вычислить масштаб для оси Y";
const char* const kUnsuitablePoints = "TGraphXY.FindOptimalScale : Неподходящая структура таб. функции";
const char* const kSubscriptNoScale = "TGraphXY.SubscriptPointXY : Вначале следует установить масштаб";
const char* const kPointNoScale = "TGraphXY.PaintPointXY : Вначале следует установить масштаб";

void ShowPlain(const char* text) { platform::ShowMessageBox(platform::MsgKind::Plain, text); }

std::int32_t PixelOf(long double pixel)
{
    if (!(pixel >= std::numeric_limits<std::int32_t>::min() && pixel <= std::numeric_limits<std::int32_t>::max()))
        throw std::range_error("pixel outside the 32-bit range");
    return static_cast<std::int32_t>(pixel);
}

std::int32_t Clamped32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// A range of width 0 after the data are taken in: a zero value spreads
// around zero, any other value reaches out to zero.
void WidenDegenerate(long double& low, long double& high)
{
    if (high != low)
        return;
    if (high == 0) {
        low = -0.1L;
        high = 0.1L;
    } else if (high > 0) {
        low = 0;
    } else {
        high = 0;
    }
}

// Where the axis across a range lies: at zero when the range straddles it
// (the result is then true), else at the bound nearer to zero; an empty
// range at zero leaves the position as it was.
bool PlaceAxis(long double low, long double high, long double& at)
{
    if (low < 0 && 0 < high) {
        at = 0;
        return true;
    }
    if (low >= 0 && high > 0)
        at = low;
    else if (low < 0 && high <= 0)
        at = high;
    return false;
}

// repeat { Line(v); v := v +/- step } until v passes End (upward: v > End,
// downward: v < End), with at most Limit lines.
template <class Line>
void GridRun(long double v, long double step, long double end, bool upward, int limit, Line line)
{
    for (int drawn = 0; drawn < limit; ++drawn) {
        line(v);
        if (upward) {
            v += step;
            if (v > end)
                return;
        } else {
            v -= step;
            if (v < end)
                return;
        }
    }
}

}  // namespace

TGraphXY::~TGraphXY()
{
    delete titleLabel_.data();
    delete bevel_.data();
    delete image_.data();
}

void TGraphXY::BuildOnPanel(QWidget* Panel, const std::string& Suffix)
{
    if (!Panel || Panel->width() < kMinPanelSize || Panel->height() < kMinPanelSize)
        return;
    const QRect frame(kImageLeft, kImageTop, Panel->width() - 2 * kImageLeft, Panel->height() - kImageTop - kImageLeft);

    image_ = new GraphImage(Panel);
    image_->setObjectName(QString::fromStdString("Img" + Suffix));
    image_->setGeometry(frame);
    new PanelAnchor(image_);
    image_->show();
    SetPlotSize(image_->width(), image_->height());

    // Made after the image, so it lies over the image's edge.
    bevel_ = new QFrame(Panel);
    bevel_->setObjectName(QString::fromStdString("Bevel" + Suffix));
    bevel_->setFrameShape(QFrame::Box);
    bevel_->setGeometry(frame);
    new PanelAnchor(bevel_);
    bevel_->show();

    titleLabel_ = new QLabel(Panel);
    titleLabel_->setObjectName(QString::fromStdString("Label" + Suffix));
    titleLabel_->setTextFormat(Qt::PlainText);
    titleLabel_->move(kImageLeft, kLabelTop);
    titleLabel_->setText(kDefaultCaption);
    titleLabel_->adjustSize();
    titleLabel_->show();

    scaleX_ = 0;
    scaleY_ = 0;
    backColor_ = FromQColor(Panel->palette().color(Panel->backgroundRole()));
    axisColor_ = platform::clBlack;
    xLabelFormat_ = kLabelFormat;
    yLabelFormat_ = kLabelFormat;
    xDivisions_ = kDivisions;
    yDivisions_ = kDivisions;
    gridColor_ = kGrey;
    ClearImage();
}

std::unique_ptr<TGraphXY> FreeGraph(std::unique_ptr<TGraphXY> Graph)
{
    if (!Graph)
        return nullptr;
    const QPointer<QWidget> panel = Graph->Image() ? Graph->Image()->parentWidget() : nullptr;
    Graph.reset();
    if (panel)
        panel->repaint();
    return nullptr;
}

template <class Draw>
void TGraphXY::OnCanvas(Draw&& draw)
{
    if (!image_)
        return;
    QImage& surface = image_->Surface();
    if (surface.isNull())
        return;
    {
        QPainter painter(&surface);
        painter.setFont(image_->CanvasFont());
        const QColor brush = ToQColor(image_->BrushColor());
        painter.setBrush(brush);
        painter.setBackground(brush);
        painter.setBackgroundMode(Qt::OpaqueMode);
        draw(painter);
    }
    image_->update();
}

TGraphXY::TextSize TGraphXY::TextExtent(const std::string& Text)
{
    TextSize size{0, 0};
    OnCanvas([&](QPainter& painter) {
        const QFontMetrics metrics = painter.fontMetrics();
        size = {metrics.horizontalAdvance(QString::fromStdString(Text)), metrics.height()};
    });
    return size;
}

void TGraphXY::SetPlotSize(int imageWidth, int imageHeight)
{
    plotWidth_ = static_cast<std::uint16_t>(std::clamp(imageWidth - kPlotInset, 0, 0xFFFF));
    plotHeight_ = static_cast<std::uint16_t>(std::clamp(imageHeight - kPlotInset, 0, 0xFFFF));
}

std::int32_t TGraphXY::ImageWidth() const { return image_ ? image_->width() : 0; }

std::int32_t TGraphXY::ImageHeight() const { return image_ ? image_->height() : 0; }

void TGraphXY::SetCaption(const std::string& Text)
{
    if (!IsBuilt())
        return;
    caption_ = Text;
    if (titleLabel_) {
        titleLabel_->setText(QString::fromStdString(caption_));
        titleLabel_->adjustSize();
    }
}

void TGraphXY::SetBackColor(platform::Color Color)
{
    if (!IsBuilt())
        return;
    backColor_ = Color;
    RepaintGraph();
}

void TGraphXY::ClearImage()
{
    if (!IsBuilt())
        return;
    image_->SetBrushColor(backColor_);
    OnCanvas([&](QPainter& painter) {
        painter.fillRect(QRect(0, 0, ImageWidth(), ImageHeight()), ToQColor(backColor_));
    });
}

void TGraphXY::RepaintGraph()
{
    ClearImage();
    if (HasScale())
        PaintAxes();
}

void TGraphXY::ResetScale()
{
    if (!IsBuilt())
        return;
    scaleX_ = scaleY_ = 0;
    xMin_ = xMax_ = yMin_ = yMax_ = 0;
    RepaintGraph();
}

void TGraphXY::ClearGraph()
{
    if (!IsBuilt())
        return;
    const int width = ImageWidth();
    const int height = ImageHeight();
    if (image_->HasSurface() && (width != plotWidth_ + kPlotInset || height != plotHeight_ + kPlotInset)) {
        image_->SetSurfaceSize(QSize(width, height));
        SetPlotSize(width, height);
    }
    ResetScale();
}

void TGraphXY::FindOptimalScale(bool KeepProportion, bool IncludeOrigin, const std::vector<TPointXY>& Points)
{
    if (!IsBuilt())
        return;
    scaleX_ = 0;
    scaleY_ = 0;
    try {
        if (Points.size() < 2)
            return;
        // Infinities and NaNs have no place on the plane.
        for (const TPointXY& point : Points)
            if (!std::isfinite(point.X) || !std::isfinite(point.Y))
                throw std::domain_error("a point is not finite");

        if (IncludeOrigin) {
            xMin_ = xMax_ = 0;
            yMin_ = yMax_ = 0;
        } else {
            xMin_ = xMax_ = Points.front().X;
            yMin_ = yMax_ = Points.front().Y;
        }
        for (const TPointXY& point : Points) {
            if (point.X < xMin_)
                xMin_ = point.X;
            if (point.X > xMax_)
                xMax_ = point.X;
            if (point.Y < yMin_)
                yMin_ = point.Y;
            if (point.Y > yMax_)
                yMax_ = point.Y;
        }
        WidenDegenerate(yMin_, yMax_);
        WidenDegenerate(xMin_, xMax_);

        const long double dx = std::fabs(0.1L * (xMax_ - xMin_));
        const long double dy = std::fabs(0.1L * (yMax_ - yMin_));
        xMin_ -= dx;
        xMax_ += dx;
        yMin_ -= dy;
        yMax_ += dy;

        if (KeepProportion) {
            // The shorter range is stretched about zero to the width of the longer.
            const long double r = std::fabs((xMax_ - xMin_) / (yMax_ - yMin_));
            if (r > 1) {
                yMax_ *= r;
                yMin_ *= r;
            } else {
                xMax_ /= r;
                xMin_ /= r;
            }
        }
        if (!std::isfinite(xMin_) || !std::isfinite(xMax_) || !std::isfinite(yMin_) || !std::isfinite(yMax_))
            throw std::overflow_error("the ranges overflow");
        CalcScales();
        RepaintGraph();
    } catch (...) {
        xMin_ = xMax_ = yMin_ = yMax_ = 0;
        ShowPlain(kUnsuitablePoints);
    }
}

void TGraphXY::CalcScales()
{
    if (!IsBuilt())
        return;
    // An overflowing width or scale is an arithmetic failure, not a missing scale.
    const auto scaleOf = [](std::uint16_t pixels, long double width) {
        if (!std::isfinite(width))
            throw std::overflow_error("the range is too wide");
        const long double scale = pixels / width;
        if (!std::isfinite(scale))
            throw std::overflow_error("the range is too narrow");
        return scale;
    };
    const long double width = std::fabs(xMax_ - xMin_);
    if (!(width > 0) && std::isfinite(width))
        ShowPlain(kNoScaleX);
    else
        scaleX_ = scaleOf(plotWidth_, width);
    const long double height = std::fabs(yMax_ - yMin_);
    if (!(height > 0) && std::isfinite(height))
        ShowPlain(kNoScaleY);
    else
        scaleY_ = scaleOf(plotHeight_, height);
}

std::int32_t TGraphXY::XToPixel(long double X) const
{
    if (!(scaleX_ > 0))
        return 0;
    return PixelOf(std::nearbyint((X - xMin_) * scaleX_) + kPlotMargin);
}

std::int32_t TGraphXY::YToPixel(long double Y) const
{
    if (!(scaleY_ > 0))
        return 0;
    return PixelOf(plotHeight_ + kPlotMargin - std::nearbyint((Y - yMin_) * scaleY_));
}

void TGraphXY::PaintAxes()
{
    if (!IsBuilt())
        return;
    const bool yStraddles = PlaceAxis(yMin_, yMax_, xAxisAtY_);
    const bool xStraddles = PlaceAxis(xMin_, xMax_, yAxisAtX_);

    const long double xStep = (xMax_ - xMin_) / xDivisions_;
    const int xLimit = kGridLinesPerDivision * xDivisions_;
    const auto vertical = [&](long double v) { PaintVertLine(gridColor_, FormatLabel(xLabelFormat_, v), v); };
    if (xStraddles) {
        GridRun(0, xStep, xMax_, true, xLimit, vertical);
        GridRun(-xStep, xStep, xMin_, false, xLimit, vertical);
    } else {
        GridRun(xMin_, xStep, xMax_, true, xLimit, vertical);
    }
    PaintVertLine(axisColor_, "", yAxisAtX_);

    const long double yStep = (yMax_ - yMin_) / yDivisions_;
    const int yLimit = kGridLinesPerDivision * yDivisions_;
    const auto horizontal = [&](long double v) { PaintHorLine(gridColor_, FormatLabel(yLabelFormat_, v), v); };
    if (yStraddles) {
        // The X axis stands at 0: no grid line there.
        GridRun(yStep, yStep, yMax_, true, yLimit, horizontal);
        GridRun(-yStep, yStep, yMin_, false, yLimit, horizontal);
    } else {
        GridRun(yMin_, yStep, yMax_, true, yLimit, [&](long double v) {
            if (v != xAxisAtY_)
                horizontal(v);
        });
    }
    PaintHorLine(axisColor_, "", xAxisAtY_);
}

void TGraphXY::PaintVertLine(platform::Color Color, const std::string& Text, long double X)
{
    if (!IsBuilt())
        return;
    const std::int32_t px = XToPixel(X);
    OnCanvas([&](QPainter& painter) {
        painter.setPen(QPen(ToQColor(Color), 1));
        painter.drawLine(px, 0, px, ImageHeight());
    });
    if (Text.empty())
        return;
    const std::int64_t textHeight = TextExtent(Text).height;
    std::int64_t ly = YToPixel(xAxisAtY_);
    ly = ly + textHeight + 2 > ImageHeight() ? ly - textHeight - 2 : ly + 2;
    if (!xLabelFormat_.empty())
        TextAtPixel(px, Clamped32(ly), platform::clBlack, Text);
}

void TGraphXY::PaintHorLine(platform::Color Color, const std::string& Text, long double Y)
{
    if (!IsBuilt())
        return;
    const std::int32_t py = YToPixel(Y);
    OnCanvas([&](QPainter& painter) {
        painter.setPen(QPen(ToQColor(Color), 1));
        painter.drawLine(0, py, ImageWidth(), py);
    });
    if (Text.empty())
        return;
    const std::int64_t textWidth = TextExtent(Text).width;
    std::int64_t lx = XToPixel(yAxisAtX_);
    lx = lx + textWidth + 4 > ImageWidth() ? lx - textWidth - 4 : lx + 4;
    if (!yLabelFormat_.empty())
        TextAtPixel(Clamped32(lx), py, platform::clBlack, Text);
}

void TGraphXY::TextAtPixel(std::int32_t PX, std::int32_t PY, platform::Color Color, const std::string& Text)
{
    if (!IsBuilt() || Text.empty())
        return;
    const TextSize size = TextExtent(Text);
    if (std::int64_t(PX) + size.width + 2 > ImageWidth() || std::int64_t(PY) + size.height + 2 > ImageHeight())
        return;
    PaintText(PX + 2, PY + 2, Color, Text);
}

void TGraphXY::PaintText(std::int32_t PX, std::int32_t PY, platform::Color Color, const std::string& Text)
{
    if (!IsBuilt())
        return;
    OnCanvas([&](QPainter& painter) {
        painter.setPen(ToQColor(Color));
        const QPointF baseline(PX, qreal(PY) + painter.fontMetrics().ascent());
        painter.drawText(baseline, QString::fromStdString(Text));
    });
}

void TGraphXY::SubscriptPointXY(platform::Color Color, const std::string& Text, long double X, long double Y)
{
    if (!IsBuilt())
        return;
    if (!HasScale()) {
        ShowPlain(kSubscriptNoScale);
        return;
    }
    TextAtPixel(XToPixel(X), YToPixel(Y), Color, Text);
}

void TGraphXY::PaintPointXY(platform::Color PenColor, platform::Color BrushColor, long double X, long double Y,
                            std::uint8_t Radius)
{
    if (!IsBuilt())
        return;
    if (!HasScale() || Radius == 0) {
        ShowPlain(kPointNoScale);
        return;
    }
    const std::int32_t px = XToPixel(X);
    const std::int32_t py = YToPixel(Y);
    // The brush of this painter only: the canvas keeps its own for the text.
    OnCanvas([&](QPainter& painter) {
        painter.setPen(QPen(ToQColor(PenColor), 1));
        painter.setBrush(QBrush(ToQColor(BrushColor), Qt::SolidPattern));
        painter.drawEllipse(QRectF(qreal(px) - Radius, qreal(py) - Radius, 2.0 * Radius, 2.0 * Radius));
    });
}

void TGraphXY::PaintLineXY(platform::Color Color, long double X1, long double Y1, long double X2, long double Y2)
{
    if (!IsBuilt() || !HasScale())
        return;
    const QPoint from(XToPixel(X1), YToPixel(Y1));
    const QPoint to(XToPixel(X2), YToPixel(Y2));
    OnCanvas([&](QPainter& painter) {
        painter.setPen(QPen(ToQColor(Color), 1));
        painter.drawLine(from, to);
    });
    PaintPointXY(Color, Color, X2, Y2, 2);
}

std::string ImageFileName(const std::string& FileName, char Kind)
{
    const std::string directory = platform::ExtractFileDir(FileName);
    const std::string name = platform::ExtractFileName(FileName);
    // Everything from the first dot of the file name on is dropped; a name
    // that is nothing but an extension (or nothing at all) saves nothing.
    const auto dot = name.find('.');
    if (dot == 0 || name.empty())
        return {};
    const std::string target = directory + name.substr(0, dot);
    switch (std::toupper(static_cast<unsigned char>(Kind))) {
    case 'B':
        return target + ".bmp";
    case 'J':
        return target + ".jpg";
    default:
        return {};
    }
}

void TGraphXY::SaveImage(const std::string& FileName, char Kind)
{
    if (!IsBuilt())
        return;
    const std::string target = ImageFileName(FileName, Kind);
    if (target.empty())
        return;
    if (std::toupper(static_cast<unsigned char>(Kind)) == 'B')
        WriteBmpFile(image_->Surface(), target);
    else
        WriteJpegFile(image_->Surface(), target);
}
