// Qt's headers that the rules' tests include: compiled once per build.
#include "pch_core.h"

#include <QTest>
