#include "native3/far3_fixture.h"
