#include "forms/window.h"
#include "forms/owner.h"
