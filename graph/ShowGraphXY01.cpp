#include "graph/ShowGraphXY01.h"

#include <stdexcept>

#include "complex/NumberText.h"
#include "model/MAINDATA.h"
#include "platform/MessageBoxes.h"
#include "platform/StringGrid.h"

std::unique_ptr<TGraphXY> VectorsGraph;
std::vector<TPointXY> VectorPoints;
std::vector<TSSign> VectorSigns;

namespace {

constexpr platform::Color kRootColor = 0x00FF0000;      // blue
constexpr platform::Color kFreeTermColor = 0x000000FF;  // red
constexpr platform::Color kTitleColor = 0x00800000;     // navy
constexpr platform::Color kBackColor = platform::MakeColor(200, 200, 200);
constexpr int kRootMarkColumn = 1;
constexpr int kFreeTermMarkColumn = 3;
constexpr int kTitleX = 8;
constexpr int kTitleY = 4;

const char* const kCaption = "Векторное представление комплексных чисел";
const char* const kAllRootsTitle = "Вектора всех корней системы (масш. = 1)";
const char* const kMarkedTitle = "Вектора отмеченных корней (масш. = 1)  и  свободных членов (масш. = ";
const char* const kTooFewMarks = "КОЛИЧЕСТВО ОТМЕТОК ДОЛЖНО БЫТЬ БОЛЬШЕ ОДНОЙ";
const char* const kDrawingFailed = "ОШИБКИ ПРИ ФОРМИРОВАНИИ ГРАФИКА";

TGraphXY* BuiltGraph() { return VectorsGraph && VectorsGraph->IsBuilt() ? VectorsGraph.get() : nullptr; }

bool Marked(const platform::StringGrid& grid, int column, int row) { return !grid.Cell(column, row).empty(); }

void Warn(const char* text) { platform::ShowMessageBox(platform::MsgKind::Warning, text); }

// Fits the scales to VectorPoints; false when no scale could be set, which
// the graph has already told. Nothing is drawn then: the picture stays blank
// rather than raising a box for every caption.
bool FitScales(TGraphXY& graph)
{
    graph.FindOptimalScale(true, true, VectorPoints);
    return graph.HasScale();
}

}  // namespace

void CreateVectorsGraph(QWidget* Panel)
{
    if (VectorsGraph)
        return;
    VectorsGraph = std::make_unique<TGraphXY>();
    VectorsGraph->BuildOnPanel(Panel, "Vectors");
    VectorsGraph->SetCaption(kCaption);
    VectorsGraph->SetBackColor(kBackColor);
}

void FreeVectorsGraph() { VectorsGraph = FreeGraph(std::move(VectorsGraph)); }

void ClearVectorsGraph()
{
    if (TGraphXY* graph = BuiltGraph())
        graph->ClearGraph();
}

void SaveVectorsGraph(const std::string& FileName)
{
    if (TGraphXY* graph = BuiltGraph())
        graph->SaveImage(FileName, 'J');
}

void ShowAllRootsVectors(const TESetCTRL& ESet)
{
    TGraphXY* graph = BuiltGraph();
    if (ESet.X.empty() || !graph)
        return;
    graph->ClearGraph();
    try {
        VectorPoints.resize(ESet.X.size());
        for (std::size_t i = 0; i < ESet.X.size(); ++i)
            VectorPoints[i] = {ESet.X[i].Re, ESet.X[i].Im};
        if (!FitScales(*graph))
            return;
        for (std::size_t i = 0; i < ESet.X.size(); ++i) {
            const TComplex& root = ESet.X[i];
            graph->PaintLineXY(kRootColor, 0, 0, root.Re, root.Im);
            graph->SubscriptPointXY(kRootColor, "X" + std::to_string(i), root.Re, root.Im);
        }
        graph->PaintText(kTitleX, kTitleY, kTitleColor, kAllRootsTitle);
    } catch (...) {
        Warn(kDrawingFailed);
    }
}

void ShowMarkedVectors(const platform::StringGrid& Grid, const TESetCTRL& ESet, long double BScale)
{
    TGraphXY* graph = BuiltGraph();
    if (ESet.A.empty() || ESet.X.empty() || !graph)
        return;
    graph->ClearGraph();
    const std::size_t rows = ESet.A.size();
    if (rows != ESet.X.size() || Grid.RowCount() < 1 || rows != std::size_t(Grid.RowCount() - 1))
        return;

    std::size_t marks = 0;
    for (int row = 1; row < Grid.RowCount(); ++row)
        marks += std::size_t(Marked(Grid, kRootMarkColumn, row)) + std::size_t(Marked(Grid, kFreeTermMarkColumn, row));
    if (marks <= 1) {
        Warn(kTooFewMarks);
        return;
    }

    try {
        VectorPoints.resize(marks);
        VectorSigns.resize(marks);
        std::size_t j = 0;
        for (std::size_t k = 0; k < rows; ++k) {
            const int row = int(k) + 1;
            if (Marked(Grid, kRootMarkColumn, row)) {
                VectorPoints[j] = {ESet.X[k].Re, ESet.X[k].Im};
                VectorSigns[j] = {kRootColor, "X" + std::to_string(k)};
                ++j;
            }
            if (Marked(Grid, kFreeTermMarkColumn, row)) {
                const TESetRow& equation = ESet.A[k];
                if (equation.empty())
                    throw std::out_of_range("an equation without a free term");
                const TComplex& b = equation.back();
                VectorPoints[j] = {b.Re * BScale, b.Im * BScale};
                VectorSigns[j] = {kFreeTermColor, "b" + std::to_string(k)};
                ++j;
            }
        }
        if (!FitScales(*graph))
            return;
        for (std::size_t i = 0; i < marks; ++i) {
            const TPointXY& end = VectorPoints[i];
            graph->PaintLineXY(VectorSigns[i].Color, 0, 0, end.X, end.Y);
            graph->SubscriptPointXY(VectorSigns[i].Color, VectorSigns[i].Text, end.X, end.Y);
        }
        graph->PaintText(kTitleX, kTitleY, kTitleColor, kMarkedTitle + FormatGeneral(BScale) + ")");
    } catch (...) {
        Warn(kDrawingFailed);
    }
}
