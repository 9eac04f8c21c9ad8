#include "interchange/CTableBase.h"

bool CTableBase::Save(CDocHost&) { return true; }
