// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeps a test away from the user's own settings and files: standard paths
// in test mode, and the settings store in a temporary folder that lives as
// long as the test process. Safe to call more than once.
void IsolateUserFiles();
