#include "ProgramFixture.h"
