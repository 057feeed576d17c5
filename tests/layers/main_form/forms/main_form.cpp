#include "forms/main_form.h"
