#pragma once

#include "core/reading_program.h"

const ReadingProgramEntry &HealthProgram();
