// A file of common/ that includes the layer below: this one builds.
#include "platform/text/String.h"
