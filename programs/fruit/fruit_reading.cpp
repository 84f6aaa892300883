#include "programs/fruit/fruit_reading.h"

