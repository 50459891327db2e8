# The front door: `make run` hosts a game against the stand-in chat client,
# `make test` builds everything and runs every test. CMake does the work.

# make run and make build use the dev preset; make test (with soak and lint)
# the ci preset: the same build under AddressSanitizer and
# UndefinedBehaviorSanitizer, with warnings as errors. PRESET=... on the
# command line chooses another for any of them.
PRESET ?= dev
BUILD   = build/$(PRESET)
JOBS   ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build and the tests need.
BUILD_PACKAGES := cmake make g++ qt6-base-dev fonts-liberation2 python3
FUZZ_PACKAGES  := clang libclang-rt-14-dev
# Formatting and static analysis (Debian 12's clang 14 tools).
LINT_PACKAGES  := clang-format clang-tidy
# Building the Debian package (its test runs in make test): dpkg-shlibdeps,
# file, and appstreamcli for the AppStream metadata.
PACKAGE_PACKAGES := dpkg-dev file appstream


FUZZERS      := intake recovery quotedlines roomprotocol chatroomcommands journal
FUZZ_SECONDS ?= 180

.PHONY: all deps deps-fuzz deps-lint configure build run test soak screenshots bench fuzz format format-check lint clean
.PHONY: deps-windows windows windows-test

all: build

# Installs what is missing; does nothing when everything is there.
deps:
	@./tools/install-packages $(BUILD_PACKAGES) $(PACKAGE_PACKAGES)

deps-fuzz:
	@./tools/install-packages $(BUILD_PACKAGES) $(FUZZ_PACKAGES)

deps-lint:
	@./tools/install-packages $(LINT_PACKAGES)

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

# Starts the stand-in chat room with a few bots, then the program; closing
# the program ends the room too.
run: build
	./tools/run-with-room $(BUILD)

test soak lint: PRESET = ci
test: build
	ctest --preset $(PRESET) -j $(JOBS)

# The long evening at full length and many more kills while saving; with
# PRESET=ci under the sanitizers.
soak: build
	RAFFLER_SOAK=1 ctest --preset $(PRESET) -R '^(e2e|crash)$$' --output-on-failure

# The guide's pictures in docs/images; the same at 1.5 and 2 times the size
# in $(BUILD)/screenshots, to look at how the window scales.
screenshots: build
	rm -f docs/images/*.png
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots docs/images
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 $(BUILD)/tools/screenshots $(BUILD)/screenshots/1.5
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/tools/screenshots $(BUILD)/screenshots/2

# The release build, which the benchmarks and the Debian package share, is
# compiled and linked with Debian's hardening flags, as a package built by
# Debian's own tools is: fortified C library calls, a stack protector,
# relocations read-only and bound at start-up. Given on every configure, so
# that a build folder configured before gets them too. (The project is C++
# only: CFLAGS has nothing to build.)
HARDENING := DEB_BUILD_MAINT_OPTIONS=hardening=+all
.PHONY: configure-release
configure-release: deps
	flags() { $(HARDENING) dpkg-buildflags --get $$1; }; \
	cmake --preset release \
	    -DCMAKE_CXX_FLAGS="$$(flags CPPFLAGS) $$(flags CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(flags LDFLAGS)" \
	    -DCMAKE_SHARED_LINKER_FLAGS="$$(flags LDFLAGS)"

# Only the benchmarks (and what they link) are built, in release mode. They
# print their figures and fail only when a result is wrong, never on a timing.
BENCHMARKS := pause intake room journal
bench: configure-release
	cmake --build --preset release -j $(JOBS) --target $(addprefix bench_,$(BENCHMARKS))
	@for b in $(BENCHMARKS); do \
	    echo "== bench_$$b"; \
	    QT_QPA_PLATFORM=offscreen build/release/bench/$$b/bench_$$b || exit 1; \
	done

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

# A Debian package of the program, the stand-in room and their library:
# build/package/corvanes-raffler_VERSION_ARCH.deb, for apt-get install ./FILE.
# From the release build the benchmarks use too; only what the package
# holds is built for it.
.PHONY: package
package: configure-release
	cmake --build --preset release -j $(JOBS) --target raffler chatroom packaging_docs
	cd build/release && cpack -G DEB -B $(CURDIR)/build/package

# Every C++ file of the project formatted in place by .clang-format;
# format-check fails instead when one differs.
CXX_FILES = git ls-files -z '*.cpp' '*.h'
format: deps-lint
	$(CXX_FILES) | xargs -0 clang-format -i
format-check: deps-lint
	$(CXX_FILES) | xargs -0 clang-format --dry-run --Werror

# .clang-tidy's checks over the program, the stand-in and the room library;
# any finding fails. clang-tidy reads each file as written, without the
# build's precompiled headers (GCC's, which clang cannot read).
lint: deps-lint configure
	mkdir -p $(BUILD)/lint
	sed -e 's| -Winvalid-pch||g' -e 's| -include [^ ]*/cmake_pch\.hxx||g' \
	    $(BUILD)/compile_commands.json > $(BUILD)/lint/compile_commands.json
	run-clang-tidy -p $(BUILD)/lint -quiet -j $(JOBS) '$(CURDIR)/(src|tools|wadapi)/'

# The Windows program, cross-compiled with MinGW-w64 into build/windows,
# with its zip and installer in build/windows/package. Qt for Windows is
# built from Debian's Qt source the first time (tools/windows/build-qt, about
# 40 minutes on 2 cores) and kept outside the clone for every later build.
# WINDOWS_ARCH=x86_64 makes a 64-bit program, for a 64-bit chat client.
WINDOWS_ARCH  ?= i686
WINDOWS_BUILD := build/windows
deps-windows: deps
	@./tools/windows/install-packages $(WINDOWS_ARCH)

windows: deps-windows
	qt=$$(./tools/windows/build-qt $(WINDOWS_ARCH)) && \
	    "$$qt/bin/qt-cmake" -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	        -DRAFFLER_WERROR=ON -DRAFFLER_BENCHMARKS=OFF
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target all windows_package

# Every test of the Windows build under Wine, in an X server of its own with
# a window manager (the tests of top-most windows and of the installer show
# real windows): the unit tests, the evening against the stand-in room over
# a named pipe, and the installer installed, used and removed.
windows-test: windows
	./tools/windows/with-display ctest --test-dir $(WINDOWS_BUILD) -j $(JOBS) --output-on-failure

clean:
	rm -rf build
