// dmlpt: the parallel port back-end (declared with the serial one in dmcom.h).
#pragma once

#include "output/dmcom.h"
