// The vector diagram fed hostile roots and free terms: both views drawn on
// the real graph of an offscreen panel, with roots, free terms, marks and
// the free-term factor taken from the input as raw 10-byte x87 patterns.
// Whatever the values, the diagram ends as a picture or with its message,
// and the graph stays usable.
#include <QApplication>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz/FuzzSupport.h"
#include "graph/ShowGraphXY01.h"
#include "model/MAINDATA.h"
#include "platform/StringGrid.h"

namespace {

using fuzzing::Require;

constexpr std::size_t kMaxVectors = 40;

// The offscreen application and the panel of the main window's roots page,
// at its design size, with the one diagram built on it.
struct Diagram {
    Diagram()
    {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app = new QApplication(argc, argv);
        panel = new QWidget;
        panel->resize(446, 430);
        panel->show();
        CreateVectorsGraph(panel);
        Require(VectorsGraph && VectorsGraph->IsBuilt(), "the diagram is built on the panel");
    }

    // Qt's own state is gone by the time the run exits, so the widgets
    // cannot be freed then; the graph stays, reachable, to the end.
    ~Diagram() { kept = VectorsGraph.release(); }

    int argc = 1;
    char name[16] = "fuzz_vectors";
    char* argv[2] = {name, nullptr};
    QApplication* app;
    QWidget* panel;
    TGraphXY* kept = nullptr;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzzing::FuzzEnvironment environment;
    static Diagram diagram;
    fuzzing::FuzzBytes input(data, size);

    // Byte 0: the number of vectors; then the factor; then per row the root,
    // the free term and a byte of marks.
    const std::size_t n = 2 + input.TakeByte() % (kMaxVectors - 1);
    const long double scale = input.TakeExtended();
    TESetCTRL set;
    set.A.resize(n);
    set.X.resize(n);
    platform::StringGrid roots;
    roots.SetRowCount(int(n) + 1);
    roots.SetColCount(6);
    for (std::size_t k = 0; k < n; ++k) {
        TComplex& root = set.X[k];
        root.Re = input.TakeExtended();
        root.Im = input.TakeExtended();
        TComplex freeTerm;
        freeTerm.Re = input.TakeExtended();
        freeTerm.Im = input.TakeExtended();
        set.A[k].assign(n + 1, TComplex{});
        set.A[k][n] = freeTerm;
        const std::uint8_t marks = input.TakeByte();
        if (marks & 1)
            roots.SetCell(1, int(k) + 1, " +++");
        if (marks & 2)
            roots.SetCell(3, int(k) + 1, " +++");
    }

    ShowAllRootsVectors(set);
    ShowMarkedVectors(roots, set, scale);
    ClearVectorsGraph();
    Require(!VectorsGraph->HasScale(), "a cleared diagram has no scale");
    QApplication::processEvents();
    return 0;
}
