// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starts the drill as a learner meets it: the background first, which shows the start screen.
void apriProgramma();
