// The window binds to the main form.
#include "forms/main_form.h"
