#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "graph/ShowGraphXY01.h"
#include "model/MAINDATA.h"
#include "platform/FileNames.h"
#include "platform/Regional.h"
#include "platform/StringGrid.h"
#include "tests/graph/SurfacePixels.h"
#include "tests/support/RecordingBoxes.h"
#include "tests/support/TestEnvironment.h"

using platform::MsgKind;
using testing_support::RecordingBoxes;

namespace {

constexpr platform::Color kBlue = 0x00FF0000;
constexpr platform::Color kRed = 0x000000FF;
constexpr platform::Color kNavy = 0x00800000;
constexpr platform::Color kLightGrey = 0x00C8C8C8;
const std::string kAllRootsTitle = "Вектора всех корней системы (масш. = 1)";
const std::string kMarkedTitle = "Вектора отмеченных корней (масш. = 1)  и  свободных членов (масш. = ";
const std::string kTooFewMarks = "КОЛИЧЕСТВО ОТМЕТОК ДОЛЖНО БЫТЬ БОЛЬШЕ ОДНОЙ";
const std::string kDrawingFailed = "ОШИБКИ ПРИ ФОРМИРОВАНИИ ГРАФИКА";

struct Equation {
    TComplex root;
    TComplex freeTerm;
};

// A system of the given roots and free terms (the coefficients do not matter here).
TESetCTRL SystemOf(const std::vector<Equation>& equations)
{
    TESetCTRL set;
    const std::size_t n = equations.size();
    set.NRows = std::int32_t(n);
    set.NCols = std::int32_t(n + 1);
    set.A.resize(n);
    set.X.resize(n);
    for (std::size_t k = 0; k < n; ++k) {
        set.A[k].resize(n + 1);
        set.A[k][n] = equations[k].freeTerm;
        set.X[k] = equations[k].root;
    }
    return set;
}

TComplex Z(long double re, long double im) { return TComplex{re, im, 0, 0}; }

// The roots grid's layout: a header row, the mark columns 1 and 3.
platform::StringGrid RootsGrid(int equations)
{
    platform::StringGrid grid;
    grid.SetColCount(6);
    grid.SetRowCount(equations + 1);
    return grid;
}

void Mark(platform::StringGrid& grid, int column, int k) { grid.SetCell(column, k + 1, " +++"); }

class VectorsTest : public ::testing::Test {
protected:
    VectorsTest()
    {
        panel.resize(446, 430);
        panel.show();
        CreateVectorsGraph(&panel);
    }
    ~VectorsTest() override
    {
        FreeVectorsGraph();
        VectorPoints.clear();
        VectorSigns.clear();
    }

    TGraphXY& Graph() const { return *VectorsGraph; }
    const QImage& Surface() const { return SurfaceOf(*VectorsGraph); }
    QPoint PixelOf(const TPointXY& p) const { return {Graph().XToPixel(p.X), Graph().YToPixel(p.Y)}; }
    void ExpectBlank() const
    {
        EXPECT_FALSE(Graph().HasScale());
        EXPECT_TRUE(AllPixelsAre(Surface(), kLightGrey));
    }

    testing_support::TestEnvironment environment;
    RecordingBoxes boxes;
    QWidget panel;
    // Roots in four directions and free terms a hundred times larger.
    TESetCTRL system = SystemOf({{Z(3, 4), Z(100, 50)}, {Z(-2, 1), Z(-300, 100)}, {Z(0.5L, -5), Z(50, -400)},
                                 {Z(-1, -2), Z(0, 0)}});
    platform::StringGrid grid = RootsGrid(4);
};

TEST_F(VectorsTest, CreationBuildsALightGreyGraphOnce)
{
    ASSERT_NE(VectorsGraph, nullptr);
    EXPECT_EQ(Graph().Image()->objectName(), "ImgVectors");
    EXPECT_EQ(Graph().Bevel()->objectName(), "BevelVectors");
    EXPECT_EQ(Graph().TitleLabel()->objectName(), "LabelVectors");
    EXPECT_EQ(Graph().TitleLabel()->text(), "Векторное представление комплексных чисел");
    EXPECT_EQ(Graph().BackColor(), kLightGrey);
    EXPECT_EQ(Surface().size(), QSize(434, 398));
    EXPECT_EQ(Graph().PlotWidth(), 417);
    EXPECT_EQ(Graph().PlotHeight(), 381);
    ExpectBlank();

    TGraphXY* first = VectorsGraph.get();
    QWidget other;
    other.resize(446, 430);
    CreateVectorsGraph(&other);
    EXPECT_EQ(VectorsGraph.get(), first);
    EXPECT_TRUE(other.children().isEmpty());
}

TEST_F(VectorsTest, AllRootsAreBlueLinesFromTheOriginWithCaptionsAndTitle)
{
    ShowAllRootsVectors(system);
    ASSERT_EQ(VectorPoints.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(VectorPoints[i].X, system.X[i].Re);
        EXPECT_EQ(VectorPoints[i].Y, system.X[i].Im);
    }
    ASSERT_TRUE(Graph().HasScale());
    EXPECT_NEAR(double(Graph().XMax() - Graph().XMin()), double(Graph().YMax() - Graph().YMin()), 1e-12);
    EXPECT_EQ(Graph().XAxisAtY(), 0);
    EXPECT_EQ(Graph().YAxisAtX(), 0);
    for (std::size_t i = 0; i < 4; ++i) {
        const QPoint end = PixelOf(VectorPoints[i]);
        EXPECT_EQ(PixelAt(Surface(), end.x(), end.y()), kBlue) << i;
        const QPoint middle = PixelOf({VectorPoints[i].X / 2, VectorPoints[i].Y / 2});
        bool lineNearMiddle = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                lineNearMiddle |= PixelAt(Surface(), middle.x() + dx, middle.y() + dy) == kBlue;
        EXPECT_TRUE(lineNearMiddle) << i;
        const std::string caption = "X" + std::to_string(i);
        EXPECT_TRUE(PatchAt(Surface(), TextPatch(caption, kBlue, kLightGrey), end.x() + 2, end.y() + 2)) << caption;
    }
    EXPECT_TRUE(PatchAt(Surface(), TextPatch(kAllRootsTitle, kNavy, kLightGrey), 8, 4));
    EXPECT_TRUE(VectorSigns.empty());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(VectorsTest, MarkedVectorsGoByRowRootBeforeFreeTermWithTheScaledFreeTerms)
{
    platform::SetDecimalSeparator(',');
    Mark(grid, 3, 0);
    Mark(grid, 1, 2);
    Mark(grid, 3, 2);
    Mark(grid, 1, 3);
    ShowMarkedVectors(grid, system, 0.01L);

    ASSERT_EQ(VectorSigns.size(), 4u);
    ASSERT_EQ(VectorPoints.size(), 4u);
    const std::vector<std::string> texts = {"b0", "X2", "b2", "X3"};
    const std::vector<platform::Color> colors = {kRed, kBlue, kRed, kBlue};
    const std::vector<TPointXY> points = {{100 * 0.01L, 50 * 0.01L}, {0.5L, -5}, {50 * 0.01L, -400 * 0.01L}, {-1, -2}};
    for (std::size_t j = 0; j < 4; ++j) {
        EXPECT_EQ(VectorSigns[j].Text, texts[j]);
        EXPECT_EQ(VectorSigns[j].Color, colors[j]) << texts[j];
        EXPECT_EQ(VectorPoints[j].X, points[j].X) << texts[j];
        EXPECT_EQ(VectorPoints[j].Y, points[j].Y) << texts[j];
    }
    ASSERT_TRUE(Graph().HasScale());
    // X2 and b2 end in different places; b0 and X3 in opposite quarters.
    for (std::size_t j : {0u, 1u, 3u}) {
        const QPoint end = PixelOf(VectorPoints[j]);
        EXPECT_EQ(PixelAt(Surface(), end.x(), end.y()), colors[j]) << texts[j];
        EXPECT_TRUE(PatchAt(Surface(), TextPatch(texts[j], colors[j], kLightGrey), end.x() + 2, end.y() + 2))
            << texts[j];
    }
    EXPECT_TRUE(PatchAt(Surface(), TextPatch(kMarkedTitle + "0,01)", kNavy, kLightGrey), 8, 4));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(VectorsTest, TitleWritesTheScaleInTheShortestRegionalForm)
{
    Mark(grid, 1, 0);
    Mark(grid, 3, 0);
    struct Case {
        char separator;
        long double scale;
        const char* text;
    };
    for (const Case c : {Case{'.', 100, "100"}, Case{'.', 0.1L, "0.1"}, Case{',', 0.1L, "0,1"}, Case{',', 1, "1"}}) {
        platform::SetDecimalSeparator(c.separator);
        ShowMarkedVectors(grid, system, c.scale);
        EXPECT_TRUE(PatchAt(Surface(), TextPatch(kMarkedTitle + c.text + ")", kNavy, kLightGrey), 8, 4)) << c.text;
    }
    // Two marks in one row are enough.
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(VectorsTest, FewerThanTwoMarksWarnAndLeaveThePictureBlank)
{
    for (const int column : {0, 1, 3}) {
        platform::StringGrid marks = RootsGrid(4);
        if (column)
            Mark(marks, column, 1);
        ShowAllRootsVectors(system);
        ASSERT_TRUE(Graph().HasScale());
        boxes.Clear();
        ShowMarkedVectors(marks, system, 1);
        EXPECT_EQ(boxes.boxes(), (std::vector<RecordingBoxes::Box>{{MsgKind::Warning, kTooFewMarks, false}}))
            << column;
        ExpectBlank();
    }
}

TEST_F(VectorsTest, SizeMismatchesBlankThePictureSilently)
{
    Mark(grid, 1, 0);
    Mark(grid, 1, 1);
    platform::StringGrid stale = RootsGrid(3);
    Mark(stale, 1, 0);
    Mark(stale, 1, 1);
    TESetCTRL fewerRoots = system;
    fewerRoots.X = TESetRoots();
    fewerRoots.X.resize(3);

    ShowAllRootsVectors(system);
    ShowMarkedVectors(stale, system, 1);
    ExpectBlank();
    ShowAllRootsVectors(system);
    ShowMarkedVectors(grid, fewerRoots, 1);
    ExpectBlank();
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(VectorsTest, NoRootsOrNoMatrixLeaveThePictureUntouched)
{
    Mark(grid, 1, 0);
    Mark(grid, 1, 1);
    ShowAllRootsVectors(system);
    const QImage before = Surface().copy();
    TESetCTRL noRoots = system;
    noRoots.X = TESetRoots();
    TESetCTRL noMatrix = system;
    noMatrix.A = TESetArray();
    ShowAllRootsVectors(noRoots);
    ShowMarkedVectors(grid, noRoots, 1);
    ShowMarkedVectors(grid, noMatrix, 1);
    EXPECT_EQ(Surface(), before);
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(VectorsTest, EveryDiagramStartsFromABlankSurface)
{
    Mark(grid, 1, 0);
    Mark(grid, 3, 1);
    ShowMarkedVectors(grid, system, 0.01L);
    const QImage marked = Surface().copy();
    ShowAllRootsVectors(system);
    const QImage all = Surface().copy();
    EXPECT_NE(all, marked);
    ShowMarkedVectors(grid, system, 0.01L);
    EXPECT_EQ(Surface(), marked);
    ShowAllRootsVectors(system);
    EXPECT_EQ(Surface(), all);
}

TEST_F(VectorsTest, ZeroRootsAreDotsAtTheOrigin)
{
    const TESetCTRL zeros = SystemOf({{Z(0, 0), Z(0, 0)}, {Z(0, 0), Z(0, 0)}, {Z(0, 0), Z(0, 0)}});
    ShowAllRootsVectors(zeros);
    ASSERT_TRUE(Graph().HasScale());
    for (const long double bound : {Graph().XMin(), Graph().YMin()})
        EXPECT_NEAR(double(bound), -0.12, 1e-15);
    for (const long double bound : {Graph().XMax(), Graph().YMax()})
        EXPECT_NEAR(double(bound), 0.12, 1e-15);
    const QPoint origin = PixelOf({0, 0});
    EXPECT_EQ(PixelAt(Surface(), origin.x(), origin.y()), kBlue);
    EXPECT_TRUE(PatchAt(Surface(), TextPatch("X2", kBlue, kLightGrey), origin.x() + 2, origin.y() + 2));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(VectorsTest, ClearBlanksAndSaveWritesTheCurrentPictureAsJpeg)
{
    testing_support::TempDir dir;
    ShowAllRootsVectors(system);
    ClearVectorsGraph();
    ExpectBlank();
    SaveVectorsGraph(dir.File("roots.jpeg"));
    EXPECT_TRUE(platform::FileExists(dir.File("roots.jpg")));
    QImage saved;
    ASSERT_TRUE(saved.load(dir.File("roots.jpg").c_str(), "JPEG"));
    EXPECT_EQ(saved.size(), QSize(434, 398));
    const QColor middle = saved.pixelColor(200, 200);
    EXPECT_NEAR(middle.red(), 200, 2);
    EXPECT_NEAR(middle.green(), 200, 2);
    EXPECT_NEAR(middle.blue(), 200, 2);
}

TEST_F(VectorsTest, HostileNumbersEndInAMessageOrABlankPicture)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double huge = std::numeric_limits<long double>::max();
    const std::string unsuitable = "TGraphXY.FindOptimalScale : Неподходящая структура таб. функции";
    Mark(grid, 1, 0);
    Mark(grid, 3, 1);
    struct Case {
        TComplex root;
        TComplex freeTerm;
        long double scale;
    };
    for (const Case& c : {Case{Z(nan, 1), Z(1, 1), 1}, Case{Z(inf, 0), Z(1, 1), 1}, Case{Z(1, -inf), Z(1, 1), 1},
                         Case{Z(-huge, 0), Z(huge, 1), 1}, Case{Z(1, 1), Z(1, 1), huge}, Case{Z(1, 1), Z(nan, 0), 1}}) {
        const TESetCTRL hostile = SystemOf({{c.root, Z(0, 0)}, {Z(1, 1), c.freeTerm}, {Z(1, 1), Z(1, 1)}, {Z(1, 1), Z(1, 1)}});
        boxes.Clear();
        ShowAllRootsVectors(hostile);
        ShowMarkedVectors(grid, hostile, c.scale);
        for (const auto& box : boxes.boxes())
            EXPECT_TRUE(box.text == unsuitable || box.text == kDrawingFailed) << box.text;
        ExpectBlank();
    }
    // Very large but finite values still make a diagram.
    boxes.Clear();
    ShowAllRootsVectors(SystemOf({{Z(1e4000L, -1e4000L), Z(0, 0)}, {Z(-1e3999L, 0), Z(0, 0)}}));
    EXPECT_TRUE(Graph().HasScale());
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(VectorsTest, FailureWhileFormingTheDiagramWarnsOnce)
{
    // A free term missing from its row (a damaged matrix) fails in the guarded part.
    Mark(grid, 1, 0);
    Mark(grid, 3, 1);
    TESetCTRL damaged = system;
    damaged.A = TESetArray();
    damaged.A.resize(4);
    ShowMarkedVectors(grid, damaged, 1);
    EXPECT_EQ(boxes.boxes(), (std::vector<RecordingBoxes::Box>{{MsgKind::Warning, kDrawingFailed, false}}));
}

TEST_F(VectorsTest, FreeingLeavesNoGraphAndEveryRoutineDoesNothing)
{
    FreeVectorsGraph();
    EXPECT_EQ(VectorsGraph, nullptr);
    EXPECT_TRUE(panel.findChildren<QWidget*>().isEmpty());
    testing_support::TempDir dir;
    Mark(grid, 1, 0);
    ClearVectorsGraph();
    ShowAllRootsVectors(system);
    ShowMarkedVectors(grid, system, 1);
    SaveVectorsGraph(dir.File("roots"));
    FreeVectorsGraph();
    EXPECT_FALSE(platform::FileExists(dir.File("roots.jpg")));
    EXPECT_TRUE(boxes.boxes().empty());
}

TEST_F(VectorsTest, GraphOnATooSmallPanelDoesNothing)
{
    FreeVectorsGraph();
    QWidget small;
    small.resize(60, 60);
    CreateVectorsGraph(&small);
    ASSERT_NE(VectorsGraph, nullptr);
    EXPECT_FALSE(VectorsGraph->IsBuilt());
    EXPECT_TRUE(small.children().isEmpty());
    testing_support::TempDir dir;
    Mark(grid, 1, 0);  // one mark: no warning either
    ClearVectorsGraph();
    ShowAllRootsVectors(system);
    ShowMarkedVectors(grid, system, 1);
    SaveVectorsGraph(dir.File("roots"));
    EXPECT_FALSE(platform::FileExists(dir.File("roots.jpg")));
    EXPECT_TRUE(boxes.boxes().empty());
    FreeVectorsGraph();
    EXPECT_EQ(VectorsGraph, nullptr);
}

}  // namespace
