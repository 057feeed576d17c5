#include "build/mesh_files.h"

#include <Model/COM/NMR_DLLInterfaces.h>

#include <bit>
#include <cmath>
#include <cstring>

namespace welkin {

namespace {

static_assert(std::endian::native == std::endian::little, "STL is little-endian");

template <typename T>
void put(std::string& out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

std::array<double, 3> normal_of(const Mesh& m, const std::array<std::uint32_t, 3>& t) {
    const auto& a = m.vertices[t[0]];
    const auto& b = m.vertices[t[1]];
    const auto& c = m.vertices[t[2]];
    const std::array<double, 3> u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const std::array<double, 3> v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    std::array<double, 3> n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                            u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0)
        for (double& x : n) x /= length;
    return n;
}

// lib3mf's objects are released however the writing ends.
class Lib3mf {
public:
    ~Lib3mf() {
        for (auto it = held_.rbegin(); it != held_.rend(); ++it) NMR::lib3mf_release(*it);
    }
    template <typename T>
    T* hold(T* object) {
        if (object != nullptr) held_.push_back(object);
        return object;
    }

private:
    std::vector<NMR::PLib3MFBase*> held_;
};

Result<std::string> refused_3mf() {
    return Result<std::string>::failure("The 3MF file could not be made");
}

}  // namespace

std::string stl_bytes(const Mesh& mesh, const std::string& name) {
    std::string out(80, ' ');
    out.replace(0, std::min<std::size_t>(name.size(), 80), name.substr(0, 80));
    put(out, static_cast<std::uint32_t>(mesh.triangles.size()));
    for (const auto& t : mesh.triangles) {
        for (double x : normal_of(mesh, t)) put(out, static_cast<float>(x));
        for (std::uint32_t v : t)
            for (double x : mesh.vertices[v]) put(out, static_cast<float>(x));
        put(out, std::uint16_t{0});
    }
    return out;
}

Result<std::string> three_mf_bytes(const Mesh& mesh, const std::string& name) {
    using namespace NMR;
    Lib3mf lib;
    PLib3MFModel* model = nullptr;
    if (lib3mf_createmodel(&model) != LIB3MF_OK) return refused_3mf();
    lib.hold(model);
    PLib3MFModelMeshObject* object = nullptr;
    if (lib3mf_model_addmeshobject(model, &object) != LIB3MF_OK) return refused_3mf();
    lib.hold(object);
    lib3mf_object_setnameutf8(object, name.c_str());
    std::vector<MODELMESHVERTEX> vertices(mesh.vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i)
        for (int k = 0; k < 3; ++k)
            vertices[i].m_fPosition[k] =
                static_cast<float>(mesh.vertices[i][static_cast<std::size_t>(k)]);
    std::vector<MODELMESHTRIANGLE> triangles(mesh.triangles.size());
    for (std::size_t i = 0; i < triangles.size(); ++i)
        for (int k = 0; k < 3; ++k)
            triangles[i].m_nIndices[k] = mesh.triangles[i][static_cast<std::size_t>(k)];
    if (lib3mf_meshobject_setgeometry(object, vertices.data(), static_cast<DWORD>(vertices.size()),
                                      triangles.data(),
                                      static_cast<DWORD>(triangles.size())) != LIB3MF_OK)
        return refused_3mf();
    PLib3MFModelBuildItem* item = nullptr;
    if (lib3mf_model_addbuilditem(model, object, nullptr, &item) != LIB3MF_OK) return refused_3mf();
    lib.hold(item);
    PLib3MFModelWriter* writer = nullptr;
    if (lib3mf_model_querywriter(model, "3mf", &writer) != LIB3MF_OK) return refused_3mf();
    lib.hold(writer);
    ULONG64 size = 0;
    if (lib3mf_writer_getstreamsize(writer, &size) != LIB3MF_OK) return refused_3mf();
    std::string out(size, '\0');
    if (lib3mf_writer_writetobuffer(writer, reinterpret_cast<BYTE*>(out.data()), size) != LIB3MF_OK)
        return refused_3mf();
    return out;
}

}  // namespace welkin
