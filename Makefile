# Thin wrapper over CMake: installs what is missing, configures, builds, runs.
#   make demo   build, then run the program on a sample dossier (demo/)
#   make test   build, then run every test through CTest
#   make bench  build in release mode, then run the benchmarks
#   make test-sanitize   build the tests with address and undefined-behaviour sanitizers, run them

BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_BENCH ?= build-bench
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build demo test test-sanitize bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVARN_WERROR=ON $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@scripts/demo $(BUILD)/apps/kvarn/kvarn

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize: deps
	@cmake -S . -B $(BUILD_SAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVARN_SANITIZE=ON \
	  -DKVARN_BUILD_BENCH=OFF -DKVARN_BUILD_ASSISTANT=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_SAN) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --test-dir $(BUILD_SAN) --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BUILD_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVARN_BUILD_TESTS=OFF \
	  -DKVARN_BUILD_ASSISTANT=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_BENCH) -j $(JOBS)
	@scripts/run-benchmarks $(BUILD_BENCH)

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_BENCH) demo
