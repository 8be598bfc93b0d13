# SPDX-License-Identifier: GPL-3.0-or-later
# Thin wrapper over the CMake presets; see README.md, HACKING.md and docs/testing.md.
# MASSA_NO_DEPS=1 skips the check for missing Debian packages (scripts/deps.sh).
.PHONY: run test check build deps deps-test bench clean package deps-package test-package windows deps-windows test-windows

deps:
	@bash scripts/deps.sh

deps-test:
	@bash scripts/deps.sh test

deps-package:
	@bash scripts/deps.sh package

deps-windows:
	@bash scripts/deps.sh windows

build: deps
	cmake --preset dev
	cmake --build --preset dev

run: build
	./build/dev/bin/misure-di-massa

# Every check: dev (with the style check and, as root, the package tests), then ASan+UBSan,
# then the portable build.
test: deps-test
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
	cmake --preset portable
	cmake --build --preset portable
	ctest --preset portable

# The loop between commits: the dev build and every suite but the style check and the package tests.
check: deps-test
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset check

# The Debian package from a release build: build/pacchetto/misure-di-massa_<version>_<arch>.deb
package: deps-package
	cmake --workflow --preset pacchetto

# Builds the package twice and installs it into clean Debian systems; needs root.
test-package: deps-test
	@bash tests/install/prova_pacchetto.sh

bench: deps-test
	cmake --preset dev
	cmake --build --preset dev
	bash bench/run.sh
	bash bench/istruzioni.sh
	bash bench/wayland.sh

# The drill for Windows, cross-built with MinGW-w64 against Qt for Windows, which is built
# once from Debian's source into ~/.cache/misure-di-massa (scripts/windows/qt.sh); then its
# installers, an MSI and an NSIS setup, in build/windows/installatori.
windows: deps-windows
	qt=$$(bash scripts/windows/qt.sh) && export MASSA_QT_WINDOWS="$$qt" && \
	  cmake --preset windows-cross && cmake --build --preset windows-cross && \
	  cmake --build --preset windows-cross --target installatori

# The Windows suites, the play and the installers under Wine, on an X server of their own;
# the Wine prefix's processes end with it.
test-windows: deps-test windows
	qt=$$(bash scripts/windows/qt.sh) && export MASSA_QT_WINDOWS="$$qt" && \
	  bash tests/support/xvfb.sh -s "-screen 0 1024x768x24" bash -c \
	    'ctest --preset windows-cross; rc=$$?; WINEPREFIX="$$PWD/build/windows/wine" wineserver -k; exit $$rc'

clean:
	rm -rf build
