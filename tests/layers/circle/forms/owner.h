// The form that owns the window's model.
#pragma once
#include "forms/window.h"
#include "units/length.h"
