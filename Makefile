# The two commands of the README: `make run` and `make test`.
# Both install what is missing, configure and build.
BUILD      ?= build
ASAN_BUILD ?= build-asan
PACKAGE_BUILD ?= build-package
WINDOWS_BUILD ?= build-windows
JOBS       ?= $(shell nproc)
WERROR     ?= ON
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRIDLET_WERROR=$(WERROR)

.PHONY: all deps editor-deps build run test test-asan windows test-windows bench package fuzz clean

all: build

deps:
	@scripts/install-deps.sh

editor-deps:
	@scripts/install-deps.sh editor

# Everything: the editor, its tests and benchmarks.
build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DGRIDLET_TESTS=ON -DGRIDLET_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)

# The editor alone, from the editor's packages alone; a build folder made for the tests is
# used as it is.
run: editor-deps
	@[ -f $(BUILD)/build.ninja ] || \
		cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DGRIDLET_TESTS=OFF -DGRIDLET_BENCH=OFF
	cmake --build $(BUILD) -j $(JOBS) --target gridlet
	@scripts/run-gridlet.sh $(BUILD)/gridlet $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan
	$(MAKE) test-windows

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DGRIDLET_SANITIZE=ON -DGRIDLET_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The Windows program, cross-built with MinGW-w64: one static gridlet.exe.
windows: deps
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DCMAKE_BUILD_TYPE=Release -DGRIDLET_WERROR=$(WERROR)
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@ls -l $(WINDOWS_BUILD)/gridlet.exe

# Under Wine on a virtual display: the binding's tests, then the real gridlet.exe beside the
# Qt program of $(BUILD).
test-windows: windows build
	scripts/test-windows.sh $(WINDOWS_BUILD) $(BUILD)

# Every figure beside its baseline: the refresh after an edit, paint latency, start-up and heap
# allocations while editing, and gridlet.exe's start-up under Wine and its size. The Qt ones run
# offscreen. All run; then the target fails if any figure missed its target or a benchmark
# measured something other than it says.
bench: build windows
	@status=0; export GRIDLET_BENCH_JUDGE=1 QT_QPA_PLATFORM=offscreen; \
	$(BUILD)/bench/gridlet_bench || status=1; \
	$(BUILD)/bench/paint_latency_bench --benchmark_min_time=2 || status=1; \
	$(BUILD)/bench/startup_bench || status=1; \
	$(BUILD)/bench/allocation_bench || status=1; \
	scripts/bench-windows.sh $(WINDOWS_BUILD) $(BUILD) || status=1; \
	if [ $$status -ne 0 ]; then echo "make bench: a target was MISSED (see above)"; fi; \
	exit $$status

# The fuzz targets, in a clang build of their own (build-fuzz), each run for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz: deps
	FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) scripts/fuzz.sh

# The Debian package, from a build of its own: installed under /usr, no run paths, stripped.
package: deps
	cmake -S . -B $(PACKAGE_BUILD) $(CMAKE_FLAGS) -DGRIDLET_BENCH=OFF \
		-DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_SKIP_INSTALL_RPATH=ON
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target gridlet gridlet_desktop_files
	cd $(PACKAGE_BUILD) && cpack
	@ls $(PACKAGE_BUILD)/*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(PACKAGE_BUILD) $(WINDOWS_BUILD)
