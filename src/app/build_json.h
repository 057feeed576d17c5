// The build plan as one JSON object: parts, cutting plan, waste and weight,
// lengths in millimetres unrounded.
#pragma once

#include <QJsonObject>

#include "build/build_plan.h"

namespace welkin {

QJsonObject build_json(const BuildPlan& plan);

}  // namespace welkin
