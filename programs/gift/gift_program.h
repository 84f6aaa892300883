// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/frame/reading_program.h"

const ReadingProgramEntry &GiftProgram();
