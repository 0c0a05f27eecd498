#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <stdexcept>

#include "graph/GraphXYv03.h"
#include "graph/LabelText.h"
#include "graph/QtColor.h"
#include "platform/FileNames.h"
#include "platform/Regional.h"
#include "tests/graph/SurfacePixels.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"

using platform::MsgKind;
using testing_support::RecordingBoxes;

namespace {

constexpr platform::Color kBlack = 0x00000000;
constexpr platform::Color kGrey = 0x00808080;
const std::string kUnsuitable = "TGraphXY.FindOptimalScale : Неподходящая структура таб. функции";

// A graph built on a shown panel of the given size.
class GraphTest : public ::testing::Test {
protected:
    void Build(int width = 446, int height = 430)
    {
        panel.resize(width, height);
        panel.show();
        graph.BuildOnPanel(&panel, "T");
        ASSERT_TRUE(graph.IsBuilt());
    }
    const QImage& Surface() const { return SurfaceOf(graph); }
    int W() const { return graph.Image()->width(); }
    int H() const { return graph.Image()->height(); }

    testing_support::TestEnvironment environment;
    RecordingBoxes boxes;
    QWidget panel;
    TGraphXY graph;  // goes before the panel
};

// The values of the grid lines by the drawing rule: repeat-until loops from
// 0 (up, then down from -step) when the range straddles zero, else from the
// lower bound; horizontally no line at 0 and none at the X axis's level.
std::vector<long double> VerticalLineValues(const TGraphXY& g)
{
    const long double step = (g.XMax() - g.XMin()) / g.XDivisions();
    const bool straddles = g.XMin() < 0 && 0 < g.XMax();
    std::vector<long double> values;
    long double v = straddles ? 0 : g.XMin();
    do {
        values.push_back(v);
        v += step;
    } while (!(v > g.XMax()));
    if (straddles) {
        v = -step;
        do {
            values.push_back(v);
            v -= step;
        } while (!(v < g.XMin()));
    }
    return values;
}

std::vector<long double> HorizontalLineValues(const TGraphXY& g)
{
    const long double step = (g.YMax() - g.YMin()) / g.YDivisions();
    std::vector<long double> values;
    if (g.YMin() < 0 && 0 < g.YMax()) {
        long double v = step;
        do {
            values.push_back(v);
            v += step;
        } while (!(v > g.YMax()));
        v = -step;
        do {
            values.push_back(v);
            v -= step;
        } while (!(v < g.YMin()));
    } else {
        long double v = g.YMin();
        do {
            if (v != g.XAxisAtY())
                values.push_back(v);
            v += step;
        } while (!(v > g.YMax()));
    }
    return values;
}

// Grey grid lines and black axes where the mapping puts them, background in
// between: vertical lines are read in row 1 above the plotting range, the
// horizontal ones in a column of the left margin that no vertical line uses.
void ExpectGridAndAxes(const TGraphXY& g)
{
    const QImage& s = SurfaceOf(g);
    const int axisColumn = g.XToPixel(g.YAxisAtX());
    const int axisRow = g.YToPixel(g.XAxisAtY());
    std::set<int> columns{axisColumn};
    for (long double v : VerticalLineValues(g))
        columns.insert(g.XToPixel(v));
    std::set<int> rows{axisRow};
    for (long double v : HorizontalLineValues(g))
        rows.insert(g.YToPixel(v));
    int freeColumn = 0;
    while (columns.count(freeColumn))
        ++freeColumn;
    ASSERT_LT(freeColumn, 8);

    const int freeRow = 1;
    int previous = -10;
    for (int c : columns) {
        if (c < 0 || c >= s.width())
            continue;
        EXPECT_EQ(PixelAt(s, c, freeRow), c == axisColumn ? kBlack : kGrey) << "column " << c;
        if (c - previous > 1 && previous >= 0) {
            EXPECT_EQ(PixelAt(s, (c + previous) / 2, freeRow), g.BackColor()) << "between columns " << c;
        }
        previous = c;
    }
    previous = -10;
    for (int r : rows) {
        if (r < 0 || r >= s.height())
            continue;
        EXPECT_EQ(PixelAt(s, freeColumn, r), r == axisRow ? kBlack : kGrey) << "row " << r;
        if (r - previous > 1 && previous >= 0) {
            EXPECT_EQ(PixelAt(s, freeColumn, (r + previous) / 2), g.BackColor()) << "between rows " << r;
        }
        previous = r;
    }
}

struct Placed {
    QRect rect;
    bool drawn;
};

// Where PaintVertLine and PaintHorLine put the label of a grid line.
Placed XLabelOf(const TGraphXY& g, const std::string& text, long double v)
{
    const QSize size = TextSizeOf(text);
    const int width = g.Image()->width();
    const int height = g.Image()->height();
    const int px = g.XToPixel(v);
    int ly = g.YToPixel(g.XAxisAtY());
    ly = ly + size.height() + 2 > height ? ly - size.height() - 2 : ly + 2;
    return {QRect(QPoint(px + 2, ly + 2), size), px + size.width() + 2 <= width && ly + size.height() + 2 <= height};
}

Placed YLabelOf(const TGraphXY& g, const std::string& text, long double v)
{
    const QSize size = TextSizeOf(text);
    const int width = g.Image()->width();
    const int height = g.Image()->height();
    const int py = g.YToPixel(v);
    int lx = g.XToPixel(g.YAxisAtX());
    lx = lx + size.width() + 4 > width ? lx - size.width() - 4 : lx + 4;
    return {QRect(QPoint(lx + 2, py + 2), size), lx + size.width() + 2 <= width && py + size.height() + 2 <= height};
}

void ExpectLabel(const TGraphXY& g, const Placed& place, const std::string& text, bool drawn)
{
    ASSERT_EQ(place.drawn, drawn) << text << " at " << place.rect.x() << "," << place.rect.y();
    if (drawn)
        EXPECT_TRUE(PatchAt(SurfaceOf(g), TextPatch(text, kBlack, g.BackColor()), place.rect.x(), place.rect.y()))
            << text;
    else
        EXPECT_FALSE(HasDarkPixel(SurfaceOf(g), place.rect)) << text;
}

TEST_F(GraphTest, BuildPlacesImageFrameAndLabelWithTheDefaults)
{
    Build();
    const QRect frame(6, 26, 434, 398);
    ASSERT_NE(graph.Bevel(), nullptr);
    ASSERT_NE(graph.TitleLabel(), nullptr);
    EXPECT_EQ(graph.Image()->objectName(), "ImgT");
    EXPECT_EQ(graph.Bevel()->objectName(), "BevelT");
    EXPECT_EQ(graph.TitleLabel()->objectName(), "LabelT");
    EXPECT_EQ(graph.Image()->parentWidget(), &panel);
    EXPECT_EQ(graph.Image()->geometry(), frame);
    EXPECT_EQ(graph.Bevel()->geometry(), frame);
    EXPECT_EQ(graph.Bevel()->frameShape(), QFrame::Box);
    // The frame is made after the image and lies over it.
    EXPECT_LT(panel.children().indexOf(graph.Image()), panel.children().indexOf(graph.Bevel()));
    EXPECT_EQ(graph.TitleLabel()->pos(), QPoint(6, 5));
    EXPECT_EQ(graph.TitleLabel()->text(), "Панель для отображения табличных функций");
    EXPECT_TRUE(graph.Caption().empty());

    EXPECT_EQ(graph.PlotWidth(), 417);
    EXPECT_EQ(graph.PlotHeight(), 381);
    EXPECT_EQ(graph.XDivisions(), 10);
    EXPECT_EQ(graph.YDivisions(), 10);
    EXPECT_EQ(graph.GridColor(), kGrey);
    EXPECT_EQ(graph.AxisColor(), kBlack);
    EXPECT_EQ(graph.XLabelFormat(), "%-0.2f");
    EXPECT_EQ(graph.YLabelFormat(), "%-0.2f");
    EXPECT_FALSE(graph.HasScale());
    EXPECT_EQ(graph.BackColor(), FromQColor(panel.palette().color(panel.backgroundRole())));
    EXPECT_EQ(Surface().size(), QSize(434, 398));
    EXPECT_TRUE(AllPixelsAre(Surface(), graph.BackColor()));

    graph.SetCaption("Новая подпись");
    EXPECT_EQ(graph.Caption(), "Новая подпись");
    EXPECT_EQ(graph.TitleLabel()->text(), "Новая подпись");
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(GraphTest, PanelBelowEightyPixelsBuildsNothingAndEveryRoutineDoesNothing)
{
    testing_support::TempDir dir;
    for (const QSize size : {QSize(79, 200), QSize(200, 79)}) {
        QWidget small;
        small.resize(size);
        TGraphXY tiny;
        tiny.BuildOnPanel(&small, "S");
        EXPECT_FALSE(tiny.IsBuilt());
        EXPECT_TRUE(small.children().isEmpty());
        tiny.CalcScales();
        tiny.FindOptimalScale(false, false, {{1, 1}, {2, 2}});
        tiny.PaintPointXY(kBlack, kBlack, 0, 0, 2);
        tiny.SubscriptPointXY(kBlack, "x", 0, 0);
        tiny.SetBackColor(kBlack);
        tiny.ClearGraph();
        tiny.SaveImage(dir.File("pic"), 'J');
        EXPECT_FALSE(tiny.HasScale());
    }
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_FALSE(platform::FileExists(dir.File("pic.jpg")));
}

TEST_F(GraphTest, ImageFollowsThePanelButTheSurfaceWaitsForClearGraph)
{
    Build();
    graph.FindOptimalScale(false, true, {{0, 0}, {10, 10}});
    EXPECT_EQ(graph.ScaleX(), 417 / 12.0L);

    panel.resize(600, 500);
    EXPECT_EQ(graph.Image()->geometry(), QRect(6, 26, 588, 468));
    EXPECT_EQ(graph.Bevel()->geometry(), QRect(6, 26, 588, 468));
    EXPECT_EQ(Surface().size(), QSize(434, 398));
    graph.FindOptimalScale(false, true, {{0, 0}, {10, 10}});
    EXPECT_EQ(graph.PlotWidth(), 417);

    graph.ClearGraph();
    EXPECT_EQ(Surface().size(), QSize(588, 468));
    EXPECT_EQ(graph.PlotWidth(), 571);
    EXPECT_EQ(graph.PlotHeight(), 451);
    EXPECT_FALSE(graph.HasScale());
    EXPECT_TRUE(AllPixelsAre(Surface(), graph.BackColor()));
    graph.FindOptimalScale(false, true, {{0, 0}, {10, 10}});
    EXPECT_EQ(graph.ScaleX(), 571 / 12.0L);
    EXPECT_EQ(graph.XToPixel(graph.XMax()), 571 + 8);
}

TEST_F(GraphTest, FreeGraphFreesTheControlsAndReturnsAnEmptyReference)
{
    panel.resize(446, 430);
    auto owned = std::make_unique<TGraphXY>();
    owned->BuildOnPanel(&panel, "F");
    ASSERT_EQ(panel.findChildren<QWidget*>().size(), 3);
    owned = FreeGraph(std::move(owned));
    EXPECT_EQ(owned, nullptr);
    EXPECT_TRUE(panel.findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(FreeGraph(nullptr), nullptr);
}

TEST_F(GraphTest, GraphOutlivingItsPanelTouchesNothing)
{
    auto host = std::make_unique<QWidget>();
    host->resize(446, 430);
    auto owned = std::make_unique<TGraphXY>();
    owned->BuildOnPanel(host.get(), "P");
    ASSERT_TRUE(owned->IsBuilt());
    host.reset();
    EXPECT_FALSE(owned->IsBuilt());
    EXPECT_EQ(owned->Bevel(), nullptr);
    owned->FindOptimalScale(false, false, {{1, 1}, {2, 2}});
    owned->SetCaption("x");
    owned->PaintText(0, 0, kBlack, "x");
    EXPECT_EQ(FreeGraph(std::move(owned)), nullptr);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(GraphTest, PixelMappingRoundsHalvesToEven)
{
    // A plot of 384 x 384 pixels over ranges of width 12 gives 32 pixels a
    // unit, so offsets of 2.5 and 3.5 pixels are exact.
    Build(384 + 17 + 12, 384 + 17 + 32);
    graph.FindOptimalScale(false, false, {{0, 0}, {10, 10}});
    ASSERT_EQ(graph.XMax() - graph.XMin(), 12);
    ASSERT_EQ(graph.ScaleX(), 32);
    ASSERT_EQ(graph.ScaleY(), 32);
    EXPECT_EQ(graph.XToPixel(graph.XMin()), 8);
    EXPECT_EQ(graph.XToPixel(graph.XMax()), 384 + 8);
    EXPECT_EQ(graph.YToPixel(graph.YMax()), 8);
    EXPECT_EQ(graph.YToPixel(graph.YMin()), 384 + 8);
    EXPECT_EQ(graph.XToPixel(graph.XMin() + 2.5L / 32), 8 + 2);
    EXPECT_EQ(graph.XToPixel(graph.XMin() + 3.5L / 32), 8 + 4);
    EXPECT_EQ(graph.XToPixel(graph.XMin() - 2.5L / 32), 8 - 2);
    EXPECT_EQ(graph.YToPixel(graph.YMin() + 2.5L / 32), 384 + 8 - 2);
    EXPECT_EQ(graph.YToPixel(graph.YMin() + 3.5L / 32), 384 + 8 - 4);

    EXPECT_THROW(graph.XToPixel(std::numeric_limits<long double>::quiet_NaN()), std::range_error);
    EXPECT_THROW(graph.YToPixel(1e12L), std::range_error);
    graph.ResetScale();
    EXPECT_EQ(graph.XToPixel(5), 0);
    EXPECT_EQ(graph.YToPixel(5), 0);
}

struct ScaleCase {
    const char* name;
    std::vector<TPointXY> points;
    bool keepProportion;
    bool includeOrigin;
    long double xMin, xMax, yMin, yMax;
    long double yAxisAtX, xAxisAtY;
};

class FindOptimalScaleTest : public GraphTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(FindOptimalScaleTest, ChoosesTheRangesAndDrawsGridAndAxes)
{
    const ScaleCase& c = GetParam();
    Build();
    graph.FindOptimalScale(c.keepProportion, c.includeOrigin, c.points);
    ASSERT_TRUE(graph.HasScale());
    const double tolerance = 1e-15;
    EXPECT_NEAR(double(graph.XMin()), double(c.xMin), tolerance);
    EXPECT_NEAR(double(graph.XMax()), double(c.xMax), tolerance);
    EXPECT_NEAR(double(graph.YMin()), double(c.yMin), tolerance);
    EXPECT_NEAR(double(graph.YMax()), double(c.yMax), tolerance);
    EXPECT_EQ(graph.ScaleX(), graph.PlotWidth() / (graph.XMax() - graph.XMin()));
    EXPECT_EQ(graph.ScaleY(), graph.PlotHeight() / (graph.YMax() - graph.YMin()));
    EXPECT_NEAR(double(graph.YAxisAtX()), double(c.yAxisAtX), tolerance);
    EXPECT_NEAR(double(graph.XAxisAtY()), double(c.xAxisAtY), tolerance);
    ExpectGridAndAxes(graph);
    EXPECT_TRUE(boxes.boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindOptimalScaleTest,
    ::testing::Values(
        ScaleCase{"OriginOnly", {{0, 0}, {0, 0}}, true, true, -0.12L, 0.12L, -0.12L, 0.12L, 0, 0},
        ScaleCase{"TwoPointsWithoutOrigin", {{1, 2}, {3, 2}}, false, false, 0.8L, 3.2L, -0.2L, 2.2L, 0.8L, 0},
        ScaleCase{"AllPositive", {{1, 1}, {3, 3}}, false, false, 0.8L, 3.2L, 0.8L, 3.2L, 0.8L, 0.8L},
        ScaleCase{"AllNegative", {{-1, -1}, {-3, -3}}, false, false, -3.2L, -0.8L, -3.2L, -0.8L, -0.8L, -0.8L},
        ScaleCase{"ProportionStretchesY", {{0, 0}, {10, 2.5L}}, true, true, -1, 11, -1, 11, 0, 0},
        ScaleCase{"ProportionStretchesX", {{0, 0}, {2.5L, 10}}, true, true, -1, 11, -1, 11, 0, 0}),
    [](const ::testing::TestParamInfo<ScaleCase>& param) { return std::string(param.param.name); });

TEST_F(GraphTest, StraddlingGridStartsAtZeroAndEndsOneStepBeyondTheLowerBound)
{
    Build();
    graph.FindOptimalScale(true, true, {{0, 0}, {10, 2.5L}});
    const std::vector<long double> lines = VerticalLineValues(graph);
    ASSERT_EQ(lines.size(), 11u);
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_NEAR(double(lines[i]), 1.2 * double(i), 1e-12);
    EXPECT_NEAR(double(lines[10]), -1.2, 1e-12);
    EXPECT_LT(graph.XToPixel(lines[10]), 8);  // in the margin left of XMin
    EXPECT_EQ(PixelAt(Surface(), graph.XToPixel(lines[10]), 1), kGrey);
}

TEST_F(GraphTest, LabelsStandBesideTheAxesAndOnlyWhereTheyFit)
{
    platform::SetDecimalSeparator(',');
    Build();
    graph.FindOptimalScale(false, false, {{1, 2}, {3, 2}});
    ExpectLabel(graph, XLabelOf(graph, "0,80", 0.8L), "0,80", true);
    ExpectLabel(graph, XLabelOf(graph, "1,04", 0.8L + 0.24L), "1,04", true);
    ExpectLabel(graph, XLabelOf(graph, "1,28", 0.8L + 0.24L + 0.24L), "1,28", true);
    // The last vertical line stands at the right edge: its label would cross it.
    const long double last = VerticalLineValues(graph).back();
    ExpectLabel(graph, XLabelOf(graph, FormatLabel("%-0.2f", last), last), FormatLabel("%-0.2f", last), false);
    const long double step = (graph.YMax() - graph.YMin()) / 10;
    ExpectLabel(graph, YLabelOf(graph, "0,24", step), "0,24", true);
    // The line one step below zero lies under YMin: its label would cross the bottom.
    ExpectLabel(graph, YLabelOf(graph, "-0,24", -step), "-0,24", false);
}

TEST_F(GraphTest, LabelsMoveAboveAnXAxisAtTheBottomAndLeftOfAYAxisAtTheRight)
{
    platform::SetDecimalSeparator(',');
    Build();
    graph.FindOptimalScale(false, false, {{1, 1}, {3, 3}});
    ASSERT_EQ(graph.YToPixel(graph.XAxisAtY()), H() - 9);
    ExpectLabel(graph, XLabelOf(graph, "1,28", 0.8L + 0.24L + 0.24L), "1,28", true);
    EXPECT_LT(XLabelOf(graph, "1,28", 1.28L).rect.bottom(), H() - 9);

    graph.FindOptimalScale(false, false, {{-1, -1}, {-3, -3}});
    ASSERT_EQ(graph.XToPixel(graph.YAxisAtX()), W() - 9);
    const std::vector<long double> rows = HorizontalLineValues(graph);
    ExpectLabel(graph, YLabelOf(graph, "-2,72", rows[2]), "-2,72", true);
    EXPECT_LT(YLabelOf(graph, "-2,72", rows[2]).rect.right(), W() - 9);
}

TEST_F(GraphTest, NoHorizontalGridLineAtZero)
{
    // A wide plot with the Y axis at the right edge leaves the place where a
    // label "0.00" of a grid line at 0 would stand free of other labels.
    Build(1000, 430);
    graph.FindOptimalScale(false, false, {{-1, -1}, {-3, 1}});
    ASSERT_EQ(graph.XAxisAtY(), 0);
    ASSERT_EQ(graph.XToPixel(graph.YAxisAtX()), W() - 9);
    const long double step = (graph.YMax() - graph.YMin()) / 10;
    ExpectLabel(graph, YLabelOf(graph, "0.24", step), "0.24", true);
    ExpectLabel(graph, YLabelOf(graph, "-0.24", -step), "-0.24", true);
    const Placed zero = YLabelOf(graph, "0.00", 0);
    ASSERT_TRUE(zero.drawn);
    EXPECT_FALSE(HasDarkPixel(Surface(), zero.rect));
    EXPECT_EQ(PixelAt(Surface(), 2, graph.YToPixel(0)), kBlack);
}

TEST_F(GraphTest, SinglePointSetsNoScaleAndKeepsRangesAndPicture)
{
    Build();
    graph.FindOptimalScale(false, false, {{1, 2}, {3, 2}});
    const QImage before = Surface().copy();
    const long double xMin = graph.XMin();
    graph.FindOptimalScale(false, false, {{5, 5}});
    EXPECT_FALSE(graph.HasScale());
    EXPECT_EQ(graph.ScaleX(), 0);
    EXPECT_EQ(graph.XMin(), xMin);
    EXPECT_EQ(Surface(), before);
    EXPECT_TRUE(boxes.boxes().empty());

    graph.SubscriptPointXY(kBlack, "P", 5, 5);
    graph.PaintPointXY(kBlack, kBlack, 5, 5, 3);
    graph.PaintLineXY(kBlack, 0, 0, 5, 5);
    const std::vector<RecordingBoxes::Box> expected = {
        {MsgKind::Plain, "TGraphXY.SubscriptPointXY : Вначале следует установить масштаб", false},
        {MsgKind::Plain, "TGraphXY.PaintPointXY : Вначале следует установить масштаб", false}};
    EXPECT_EQ(boxes.boxes(), expected);
    EXPECT_EQ(Surface(), before);
}

TEST_F(GraphTest, CalcScalesOnEmptyRangesTellsAndKeepsTheScales)
{
    Build();
    graph.CalcScales();
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"GraphXY : Не могу вычислить масштаб для оси X",
                                                       "GraphXY : Не могу вычислить масштаб для оси Y"}));
    EXPECT_EQ(boxes.boxes()[0].kind, MsgKind::Plain);
    EXPECT_EQ(graph.ScaleX(), 0);
    EXPECT_EQ(graph.ScaleY(), 0);
}

TEST_F(GraphTest, UnsuitablePointsClearTheRangesWithOneMessage)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double huge = std::numeric_limits<long double>::max();
    const long double tiny = std::numeric_limits<long double>::denorm_min();
    const std::vector<std::vector<TPointXY>> cases = {
        {{0, 0}, {inf, 1}}, {{nan, 0}, {1, 1}}, {{1, 1}, {2, nan}}, {{-huge, 0}, {huge, 1}}, {{0, 1}, {tiny, 2}}};
    Build();
    for (const auto& points : cases) {
        boxes.Clear();
        graph.FindOptimalScale(false, false, {{1, 2}, {3, 2}});
        graph.FindOptimalScale(false, false, points);
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{kUnsuitable});
        EXPECT_EQ(graph.XMin(), 0);
        EXPECT_EQ(graph.XMax(), 0);
        EXPECT_EQ(graph.YMin(), 0);
        EXPECT_EQ(graph.YMax(), 0);
        EXPECT_FALSE(graph.HasScale());
    }
}

TEST_F(GraphTest, RangeOfAFewUnitsInTheLastPlaceStillEnds)
{
    Build();
    const long double one = 1;
    const long double next = std::nextafter(std::nextafter(one, 2.0L), 2.0L);
    graph.FindOptimalScale(false, false, {{one, one}, {next, next}});
    ASSERT_TRUE(graph.HasScale());
    EXPECT_EQ(PixelAt(Surface(), graph.XToPixel(graph.XMin()), 1), kBlack);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(GraphTest, PrimitivesDrawInDataCoordinates)
{
    Build();
    graph.FindOptimalScale(true, true, {{-5, -5}, {5, 5}});
    const platform::Color red = 0x000000FF;
    const platform::Color blue = 0x00FF0000;
    graph.PaintLineXY(red, 0, 0, 3, 2);
    EXPECT_EQ(PixelAt(Surface(), graph.XToPixel(3), graph.YToPixel(2)), red);
    EXPECT_EQ(PixelAt(Surface(), graph.XToPixel(3) + 2, graph.YToPixel(2)), red);  // the dot of radius 2
    graph.PaintPointXY(red, blue, -3, -3, 6);
    EXPECT_EQ(PixelAt(Surface(), graph.XToPixel(-3), graph.YToPixel(-3)), blue);
    EXPECT_EQ(PixelAt(Surface(), graph.XToPixel(-3) + 6, graph.YToPixel(-3)), red);
    graph.SubscriptPointXY(blue, "Z1", -3, 3);
    EXPECT_TRUE(PatchAt(Surface(), TextPatch("Z1", blue, graph.BackColor()), graph.XToPixel(-3) + 2,
                        graph.YToPixel(3) + 2));
    graph.PaintText(100, 40, red, "Текст");
    EXPECT_TRUE(PatchAt(Surface(), TextPatch("Текст", red, graph.BackColor()), 100, 40));
    EXPECT_TRUE(boxes.boxes().empty());

    graph.PaintPointXY(red, red, 0, 0, 0);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"TGraphXY.PaintPointXY : Вначале следует установить масштаб"});
}

TEST_F(GraphTest, TextAtPixelDrawsOnlyTextThatFitsOnTheRightAndBottom)
{
    Build();
    const std::string text = "Ab";
    const QSize size = TextSizeOf(text);
    const QImage patch = TextPatch(text, kBlack, graph.BackColor());
    struct Case {
        int px, py;
        bool drawn;
    };
    for (const Case c : {Case{W() - size.width() - 2, 100, true}, Case{W() - size.width() - 1, 100, false},
                         Case{100, H() - size.height() - 2, true}, Case{100, H() - size.height() - 1, false},
                         Case{-10, -5, true}}) {
        graph.ClearImage();
        graph.TextAtPixel(c.px, c.py, kBlack, text);
        const QRect area(QPoint(c.px + 2, c.py + 2), size);
        if (c.drawn) {
            EXPECT_TRUE(PatchAt(Surface(), patch, c.px + 2, c.py + 2)) << c.px << "," << c.py;
            EXPECT_TRUE(HasDarkPixel(Surface(), area)) << c.px << "," << c.py;
        } else {
            EXPECT_TRUE(AllPixelsAre(Surface(), graph.BackColor())) << c.px << "," << c.py;
        }
    }
}

TEST_F(GraphTest, SetBackColorErasesThePrimitivesAndRedrawsTheGrid)
{
    Build();
    graph.SetBackColor(platform::MakeColor(200, 200, 200));
    graph.FindOptimalScale(true, true, {{-5, -5}, {5, 5}});
    const QImage grid = Surface().copy();
    graph.PaintLineXY(0x000000FF, 0, 0, 3, 2);
    ASSERT_NE(Surface(), grid);
    graph.SetBackColor(platform::MakeColor(200, 200, 200));
    EXPECT_EQ(Surface(), grid);
    graph.SetBackColor(platform::MakeColor(10, 20, 30));
    EXPECT_EQ(graph.BackColor(), platform::MakeColor(10, 20, 30));
    EXPECT_EQ(PixelAt(Surface(), 1, 1), platform::MakeColor(10, 20, 30));
    ExpectGridAndAxes(graph);
}

TEST(LabelTextTest, FixedTwoDecimalsWithTheRegionalSeparatorWhateverTheCLocale)
{
    testing_support::TestEnvironment environment;
    std::setlocale(LC_NUMERIC, "ru_RU.UTF-8");
    struct Case {
        long double value;
        const char* text;
    };
    for (const Case c : {Case{0.8L, "0.80"}, Case{1.04L, "1.04"}, Case{-1.2L, "-1.20"}, Case{-0.001L, "-0.00"},
                         Case{12345.678L, "12345.68"}, Case{0, "0.00"}})
        EXPECT_EQ(FormatLabel("%-0.2f", c.value), c.text);
    platform::SetDecimalSeparator(',');
    EXPECT_EQ(FormatLabel("%-0.2f", 0.8L), "0,80");
    EXPECT_EQ(FormatLabel("%-0.2f", std::numeric_limits<long double>::max()).size(), 4936u);
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
