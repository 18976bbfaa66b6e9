# Thin wrapper over CMake. `make run` sets up, builds and starts wrenfold;
# `make test` sets up, builds and runs every test.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: setup configure build run run-sorxfer test bench clean

setup:
	@bash scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/wrenfold

run-sorxfer: build
	$(BUILD)/bin/sorxfer

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	bash scripts/bench

clean:
	rm -rf $(BUILD)
