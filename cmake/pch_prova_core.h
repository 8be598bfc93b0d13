// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's headers that the rules' tests include: compiled once per build.
#include "pch_core.h"

#include <QTest>
