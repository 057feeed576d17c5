// A window model reaching back to the main form.
#include "forms/main_form.h"
