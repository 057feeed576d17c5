// A window's model that refers back to the form that owns it.
#pragma once
