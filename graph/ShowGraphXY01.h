#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graph/GraphXYv03.h"
#include "platform/Color.h"

class QWidget;
struct TESetCTRL;
namespace platform {
class StringGrid;
}

// The vector diagram of the roots and free terms of the current system on
// the complex plane: every number is a line from the origin to (Re, Im).

// How one vector of the marked diagram is drawn.
struct TSSign {
    platform::Color Color = 0;  // line, end dot and caption
    std::string Text;           // "X3", "b0"
};

// The diagram's graph (empty before CreateVectorsGraph and after
// FreeVectorsGraph), the end points of the latest diagram's vectors, and the
// signs of the latest marked diagram, index by index with the points.
extern std::unique_ptr<TGraphXY> VectorsGraph;
extern std::vector<TPointXY> VectorPoints;
extern std::vector<TSSign> VectorSigns;

// Each routine does nothing while there is no graph (or it has no controls).
void CreateVectorsGraph(QWidget* Panel);  // once; later calls do nothing
void FreeVectorsGraph();
void ClearVectorsGraph();
void SaveVectorsGraph(const std::string& FileName);  // always a JPEG; a write failure throws
void ShowAllRootsVectors(const TESetCTRL& ESet);
// The roots and free terms marked in columns 1 and 3 of the roots grid, the
// free terms multiplied by BScale.
void ShowMarkedVectors(const platform::StringGrid& Grid, const TESetCTRL& ESet, long double BScale);
