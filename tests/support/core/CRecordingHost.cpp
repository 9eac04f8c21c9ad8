#include "support/core/CRecordingHost.h"
