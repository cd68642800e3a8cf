#include "records/Layouts.h"
