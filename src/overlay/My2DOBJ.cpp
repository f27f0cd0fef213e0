#include "overlay/My2DOBJ.h"

void My2DOBJ::Clear() { loaded_ = false; }

void My2DOBJ::Free() { Clear(); }
