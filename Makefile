# Two commands do everything: `make run` starts the program, `make test` passes the suite.
# Both install the missing Debian packages first (apt-get, as root or through sudo; without
# either, scripts/install-deps.sh says what to run as root): `make run` only those that the
# programs need, `make test` (and `make install` and `make package`, which build the tests too)
# also those of the tests.

BUILD ?= build
SANITIZE ?= OFF
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

FUZZ_SECONDS ?= 60

.PHONY: all deps deps-run configure build run test test-sanitize bench bench-startup fuzz fuzz-deps \
	install uninstall package clean

all: build

deps:
	@bash scripts/install-deps.sh test

deps-run:
	@bash scripts/install-deps.sh run

configure: deps
	cmake -S . -B $(BUILD) -DQUILLET_SANITIZE=$(SANITIZE) -DQUILLET_TESTS=ON -DQUILLET_WERROR=ON \
		$(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Builds the two programs alone, without the tests, and starts the calculator. A build folder
# that is already configured keeps its settings, so that running the program never drops the
# tests of an earlier `make test`.
run: deps-run
	@test -f $(BUILD)/CMakeCache.txt || \
		cmake -S . -B $(BUILD) -DQUILLET_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target Quillet quillet-calc
	@echo "Built $(BUILD)/app/Quillet and $(BUILD)/cli/quillet-calc"
	$(BUILD)/app/Quillet

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test BUILD=build-sanitize SANITIZE=ON

bench:
	$(MAKE) build BUILD=build-bench CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Release -DQUILLET_BENCHMARKS=ON"
	bash bench/run.sh build-bench

# Start-up time to the mapped main menu, resident memory, and the time from Enter to a result;
# before them the instructions of the start-up (callgrind), each beside a bare Qt dialog.
bench-startup:
	$(MAKE) build BUILD=build-bench CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Release -DQUILLET_BENCHMARKS=ON"
	bash bench/startup/instructions.sh build-bench
	bash bench/startup/startup.sh build-bench

# Each fuzz target for FUZZ_SECONDS, one after another, in its own clang build.
fuzz: fuzz-deps
	cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUILLET_FUZZ=ON \
		-DQUILLET_WERROR=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

# clang and its libFuzzer runtime, which only `make fuzz` needs.
fuzz-deps:
	@bash scripts/install-deps.sh fuzz

install: build
	cmake --install $(BUILD)

# Removes every file that `make install` wrote, and the folders it created once they are empty.
uninstall:
	cmake -D BUILD_DIR=$(BUILD) -P cmake/Uninstall.cmake

# The Debian package quillet_<version>_<architecture>.deb, in the build folder.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf build build-sanitize build-bench build-fuzz
