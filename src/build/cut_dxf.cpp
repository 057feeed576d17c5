#include "build/cut_files.h"

#include <dl_dxf.h>

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "build/cut_layout.h"

namespace welkin {

namespace {

constexpr int colour_board = 5;  // blue
constexpr int colour_cut = 1;    // red
constexpr int colour_label = 7;  // black or white, against the background

// dxflib writes only to a named file: one of our own in the temporary folder.
std::filesystem::path scratch_file() {
    static std::atomic<int> serial{0};
    return std::filesystem::temp_directory_path() /
           ("welkin-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".dxf");
}

void layers(DL_Dxf& dxf, DL_WriterA& dw, const std::vector<BoardLayout>& boards) {
    dw.sectionTables();
    dw.tableLayers(static_cast<int>(boards.size()) + 2);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", colour_label, 0, "CONTINUOUS", 1));
    for (const BoardLayout& b : boards) {
        dxf.writeLayer(dw, DL_LayerData(layer_name(b.name), 0),
                       DL_Attributes("", colour_cut, 0, "CONTINUOUS", 1));
    }
    dxf.writeLayer(dw, DL_LayerData(labels_layer, 0),
                   DL_Attributes("", colour_label, 0, "CONTINUOUS", 1));
    dw.tableEnd();
    dw.sectionEnd();
}

// DXF's y runs up; the layout's runs down the page.
void closed(DL_Dxf& dxf, DL_WriterA& dw, const std::vector<Point>& corners, double top,
            const DL_Attributes& a) {
    dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(corners.size()), 0, 0, 1), a);
    for (const Point& p : corners) dxf.writeVertex(dw, DL_VertexData(p.x, top - p.y));
    dxf.writePolylineEnd(dw);
}

void entities(DL_Dxf& dxf, DL_WriterA& dw, const std::vector<BoardLayout>& boards, double text_mm) {
    const double top = boards.empty() ? 0 : boards.back().top_mm + boards.back().width_mm;
    dw.sectionEntities();
    for (const BoardLayout& b : boards) {
        const std::string layer = layer_name(b.name);
        const double y0 = b.top_mm;
        const double y1 = b.top_mm + b.width_mm;
        closed(dxf, dw, {{0, y0}, {b.length_mm, y0}, {b.length_mm, y1}, {0, y1}}, top,
               DL_Attributes(layer, colour_board, 0, "CONTINUOUS", 1));
        for (const CutOutline& c : b.pieces) {
            closed(dxf, dw, c.corners, top, DL_Attributes(layer, colour_cut, 0, "CONTINUOUS", 1));
        }
    }
    for (const BoardLayout& b : boards) {
        for (const CutOutline& c : b.pieces) {
            const double x = c.label_at.x;
            const double y = top - c.label_at.y;
            dxf.writeText(
                dw, DL_TextData(x, y, 0, x, y, 0, text_mm, 1, 0, 0, 0, c.label, "STANDARD", 0),
                DL_Attributes(labels_layer, colour_label, 0, "CONTINUOUS", 1));
        }
    }
    dw.sectionEnd();
}

}  // namespace

Result<std::string> cut_dxf(const BuildPlan& plan) {
    const std::vector<BoardLayout> boards = cut_layouts(plan);
    const std::filesystem::path path = scratch_file();
    {
        DL_Dxf dxf;
        std::unique_ptr<DL_WriterA> dw(dxf.out(path.c_str(), DL_Codes::AC1009));
        if (!dw) return Result<std::string>::failure("The DXF file could not be made");
        dxf.writeHeader(*dw);
        dw->sectionEnd();
        layers(dxf, *dw, boards);
        entities(dxf, *dw, boards, label_height_mm(plan));
        dw->dxfEOF();
        dw->close();
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    if (bytes.str().empty()) return Result<std::string>::failure("The DXF file could not be made");
    return bytes.str();
}

}  // namespace welkin
