# Thin wrapper over the CMake presets; see README.md.
.PHONY: run test build deps bench clean

deps:
	@bash scripts/deps.sh

build: deps
	cmake --preset dev
	cmake --build --preset dev

run: build
	./build/dev/bin/misure-di-massa

test: deps
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: build
	bash bench/run.sh

clean:
	rm -rf build
