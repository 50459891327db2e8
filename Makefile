# The front door: `make run` hosts a game against the stand-in chat client,
# `make test` builds everything and runs every test. CMake does the work.

PRESET ?= dev
BUILD  := build/$(PRESET)
JOBS   ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build and the tests need.
BUILD_PACKAGES := cmake make g++ qt6-base-dev fonts-liberation2
FUZZ_PACKAGES  := clang libclang-rt-14-dev


FUZZERS      := intake recovery quotedlines roomprotocol chatroomcommands
FUZZ_SECONDS ?= 180

.PHONY: all deps deps-fuzz configure build run test screenshots bench fuzz clean

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

# Each fuzz target for FUZZ_SECONDS; new finds go to build/fuzz/corpus, the
# seeds under fuzz/corpus stay as they are.
fuzz: deps-fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZERS))
	@for f in $(FUZZERS); do \
	    mkdir -p build/fuzz/corpus/$$f; \
	    echo "== fuzz_$$f for $(FUZZ_SECONDS) s"; \
	    build/fuzz/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        build/fuzz/corpus/$$f fuzz/corpus/$$f || exit 1; \
	done

clean:
	rm -rf build
