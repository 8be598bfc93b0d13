// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's headers that the rules include: compiled once per build.
#include <QString>
