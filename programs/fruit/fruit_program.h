#pragma once

#include "core/frame/reading_program.h"

const ReadingProgramEntry &FruitProgram();
