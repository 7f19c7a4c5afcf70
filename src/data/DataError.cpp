#include "DataError.h"
