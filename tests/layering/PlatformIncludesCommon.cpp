// A file of platform/ that reaches for an application header.
#include "common/Globals.h"
