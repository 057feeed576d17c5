// A header of a lower layer, which neither includes.
#pragma once
