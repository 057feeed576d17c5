#include "build/cut_files.h"

#include <cctype>

#include "build/cut_layout.h"
#include "build/workshop_text.h"

namespace welkin {

namespace {

std::string num(double mm) {
    return workshop_number(mm, 3);
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::string points(const std::vector<Point>& corners) {
    std::string out;
    for (const Point& p : corners) out += (out.empty() ? "" : " ") + num(p.x) + "," + num(p.y);
    return out;
}

std::string layer(const std::string& id, const std::string& label) {
    return "  <g id=\"" + id + "\" inkscape:groupmode=\"layer\" inkscape:label=\"" +
           escaped(label) + "\">\n";
}

}  // namespace

std::string layer_name(const std::string& board_name) {
    std::string out;
    for (char c : board_name)
        out += c == ' ' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string cut_svg(const BuildPlan& plan) {
    const std::vector<BoardLayout> boards = cut_layouts(plan);
    double width = 0;
    double height = 0;
    for (const BoardLayout& b : boards) {
        width = std::max(width, b.length_mm);
        height = b.top_mm + b.width_mm;
    }
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" width=\"" +
        num(width) + "mm\" height=\"" + num(height) + "mm\" viewBox=\"0 0 " + num(width) + " " +
        num(height) + "\">\n";
    const std::string stroke = "fill=\"none\" stroke-width=\"0.2\"";
    for (const BoardLayout& b : boards) {
        out += layer(layer_name(b.name), b.name);
        out += "    <rect x=\"0\" y=\"" + num(b.top_mm) + "\" width=\"" + num(b.length_mm) +
               "\" height=\"" + num(b.width_mm) + "\" " + stroke + " stroke=\"#0000ff\"/>\n";
        for (const CutOutline& c : b.pieces) {
            out += "    <polygon points=\"" + points(c.corners) + "\" " + stroke +
                   " stroke=\"#ff0000\"/>\n";
        }
        out += "  </g>\n";
    }
    out += layer(labels_layer, "labels");
    const std::string size = num(label_height_mm(plan));
    for (const BoardLayout& b : boards) {
        for (const CutOutline& c : b.pieces) {
            out += "    <text x=\"" + num(c.label_at.x) + "\" y=\"" + num(c.label_at.y) +
                   "\" font-size=\"" + size + "\" font-family=\"sans-serif\">" + escaped(c.label) +
                   "</text>\n";
        }
    }
    return out + "  </g>\n</svg>\n";
}

}  // namespace welkin
