// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's headers that the tests include, beside the program's: compiled once per build.
#include "pch_widgets.h"
#include <QBuffer>
#include <QIcon>
#include <QLocale>
#include <QMenuBar>
#include <QPointingDevice>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
