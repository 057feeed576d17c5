// The main form: its own source may include its header.
#pragma once
