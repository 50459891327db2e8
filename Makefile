# The front door: `make run` hosts a game against the stand-in chat client,
# `make test` builds everything and runs every test. CMake does the work.

PRESET ?= dev
BUILD  := build/$(PRESET)
JOBS   ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build and the tests need.
BUILD_PACKAGES := cmake make g++ qt6-base-dev fonts-liberation2
FUZZ_PACKAGES  := clang libclang-rt-14-dev


.PHONY: all deps deps-fuzz configure build run test screenshots bench clean

all: build

# Installs what is missing; does nothing when everything is there.
deps:
	@./tools/install-packages $(BUILD_PACKAGES)

deps-fuzz:
	@./tools/install-packages $(BUILD_PACKAGES) $(FUZZ_PACKAGES)

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

# Starts the stand-in chat room with a few bots, then the program; closing
# the program ends the room too.
run: build
	./tools/run-with-room $(BUILD)

test: build
	ctest --preset $(PRESET) -j $(JOBS)

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots docs/images

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	@for b in build/release/bench/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

clean:
	rm -rf build
