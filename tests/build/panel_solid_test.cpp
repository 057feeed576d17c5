// The assembled panel's solid: closed, 2-manifold and facing outwards by our
// own edge count and by admesh, holding the plan's volume as admesh measures
// it, and read back from its 3MF file by lib3mf.
#include "build/panel_mesh.h"

#include <Model/COM/NMR_DLLInterfaces.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <regex>

#include "build/build_texts.h"
#include "build/mesh_files.h"
#include "build/build_parts.h"
#include "build_designs.h"
#include "persist/file_io.h"
#include "temp_dir.h"

namespace welkin {
namespace {

std::vector<BuildPlan> plans_of_every_case() {
    std::vector<BuildPlan> out;
    for (const DesignCase& c : design_cases) {
        const DesignedForm f(c);
        for (Construction k : {Construction::blocks, Construction::fins}) {
            BuildOptions o = default_build_options(f.build());
            o.construction = k;
            const Result<BuildPlan> plan = plan_build(f.build(), o);
            if (plan) out.push_back(*plan);
        }
    }
    return out;
}

// Each edge joins exactly two triangles, which run along it in opposite
// directions: no hole, no T-junction, no fold, no face turned inwards.
int unpaired_edges(const Mesh& m) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> directed;
    for (const auto& t : m.triangles)
        for (int i = 0; i < 3; ++i)
            ++directed[{t[static_cast<std::size_t>(i)], t[static_cast<std::size_t>((i + 1) % 3)]}];
    int faults = 0;
    for (const auto& [edge, count] : directed) {
        const auto reverse = directed.find({edge.second, edge.first});
        if (count != 1 || reverse == directed.end() || reverse->second != 1) ++faults;
    }
    return faults;
}

std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    ::pclose(pipe);
    return out;
}

double admesh_figure(const std::string& report, const std::string& name) {
    std::smatch m;
    if (!std::regex_search(report, m, std::regex(name + R"(\s*:\s*([-0-9.e+]+))"))) return -1;
    return std::stod(m[1]);
}

TEST(PanelSolid, EveryEdgeJoinsTwoFacesRunningOppositeWays) {
    for (const BuildPlan& plan : plans_of_every_case()) {
        const Mesh mesh = panel_mesh(plan);
        EXPECT_EQ(unpaired_edges(mesh), 0) << plan_heading(plan);
    }
}

// admesh reads the STL by coordinates alone: a T-junction or a gap shows as
// unconnected facets, a face turned inwards as a reversed facet.
TEST(PanelSolid, AdmeshFindsTheStlClosedAndOutwardFacing) {
    const TempDir dir;
    for (const BuildPlan& plan : plans_of_every_case()) {
        const std::string path = dir.file("panel.stl");
        ASSERT_TRUE(write_file_atomically(path, stl_bytes(panel_mesh(plan), "panel")));
        const std::string report = run("admesh " + path + " 2>&1");
        const std::string name = plan_heading(plan);
        ASSERT_NE(report.find("Number of facets"), std::string::npos) << report;
        EXPECT_EQ(admesh_figure(report, "Edges fixed"), 0) << name;
        EXPECT_EQ(admesh_figure(report, "Facets reversed"), 0) << name;
        EXPECT_EQ(admesh_figure(report, "Backwards edges"), 0) << name;
        EXPECT_EQ(admesh_figure(report, "Normals fixed"), 0) << name;
        EXPECT_EQ(admesh_figure(report, "Facets with 1 disconnected edge"), 0) << name;
        const double expected = plan.solid_m3 * 1e9;
        EXPECT_NEAR(admesh_figure(report, "Volume"), expected, expected * 1e-3) << name;
    }
}

TEST(PanelSolid, ThreeMfReadsBackAsTheSameOrientedManifoldMesh) {
    using namespace NMR;
    const BuildPlan plan = plans_of_every_case().back();
    const Mesh mesh = panel_mesh(plan);
    const Result<std::string> bytes = three_mf_bytes(mesh, "panel");
    ASSERT_TRUE(bytes) << bytes.message();
    PLib3MFModel* model = nullptr;
    ASSERT_EQ(lib3mf_createmodel(&model), LIB3MF_OK);
    PLib3MFModelReader* reader = nullptr;
    ASSERT_EQ(lib3mf_model_queryreader(model, "3mf", &reader), LIB3MF_OK);
    std::string data = *bytes;
    ASSERT_EQ(
        lib3mf_reader_readfrombuffer(reader, reinterpret_cast<BYTE*>(data.data()), data.size()),
        LIB3MF_OK);
    PLib3MFModelResourceIterator* objects = nullptr;
    ASSERT_EQ(lib3mf_model_getmeshobjects(model, &objects), LIB3MF_OK);
    BOOL more = false;
    ASSERT_EQ(lib3mf_resourceiterator_movenext(objects, &more), LIB3MF_OK);
    ASSERT_TRUE(more);
    PLib3MFModelResource* object = nullptr;
    ASSERT_EQ(lib3mf_resourceiterator_getcurrent(objects, &object), LIB3MF_OK);
    DWORD vertices = 0;
    DWORD triangles = 0;
    BOOL manifold = false;
    lib3mf_meshobject_getvertexcount(object, &vertices);
    lib3mf_meshobject_gettrianglecount(object, &triangles);
    lib3mf_meshobject_ismanifoldandoriented(object, &manifold);
    EXPECT_EQ(vertices, mesh.vertices.size());
    EXPECT_EQ(triangles, mesh.triangles.size());
    EXPECT_TRUE(manifold);
    for (PLib3MFBase* held : {object, objects, reader, model}) lib3mf_release(held);
}

}  // namespace
}  // namespace welkin
