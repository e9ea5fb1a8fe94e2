#include "PcFileTestSupport.h"
