// SPDX-License-Identifier: GPL-3.0-or-later
// The source of a target that only compiles Qt's headers once, for the others to reuse.
