// Static control wrapper.
#pragma once

#include "platform/Wnd.h"

class CStatic : public CWnd {};
