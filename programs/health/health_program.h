// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/reading_program.h"

const ReadingProgramEntry &HealthProgram();
