// A view that reaches up into the application: the layer check must refuse it.
#pragma once

#include "app/CMainFrame.h"
#include "view/CPainter.h"
