// A file of common/ that reaches for a wizard header.
#include "wizard/Window1.h"
