#include "app/summary_json.h"

#include <QJsonArray>
#include <map>

#include "forms/design_summary.h"
#include "render/qt_text.h"

namespace welkin {

namespace {

QJsonArray rgb_json(Rgb c) {
    return QJsonArray{c.r, c.g, c.b};
}

struct JsonOf {
    QJsonValue operator()(bool b) const { return b; }
    QJsonValue operator()(double x) const { return x; }
    QJsonValue operator()(const std::string& s) const { return qs(s); }
    QJsonValue operator()(const std::vector<double>& xs) const {
        QJsonArray out;
        for (const double x : xs) out.append(x);
        return out;
    }
    QJsonValue operator()(Rgb c) const { return rgb_json(c); }
    QJsonValue operator()(const std::vector<Rgb>& cs) const {
        QJsonArray out;
        for (const Rgb c : cs) out.append(rgb_json(c));
        return out;
    }
};

}  // namespace

SummaryWindow summary_window(const MainForm& form) {
    return {form.busy(), form.field_texts(), form.title(), form.results_table().page()};
}

QJsonObject summary_json(const MainForm& form) {
    QJsonObject out;
    std::map<std::string_view, QJsonObject> groups;
    for (const SummaryItem& item : design_summary_items(form.shown(), summary_window(form))) {
        const QJsonValue value = std::visit(JsonOf{}, item.value);
        if (item.group.empty()) {
            out.insert(qs(item.key), value);
        } else {
            groups[item.group].insert(qs(item.key), value);
        }
    }
    for (const auto& [name, group] : groups) out.insert(qs(name), group);
    return out;
}

}  // namespace welkin
