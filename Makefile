# Two commands do everything: `make run` starts the program, `make test` passes the suite.
# Both install the missing build dependencies first (apt-get, as root or through sudo).

BUILD ?= build
SANITIZE ?= OFF
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test test-sanitize bench bench-startup fuzz fuzz-deps install clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DQUILLET_SANITIZE=$(SANITIZE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/Quillet

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test BUILD=build-sanitize SANITIZE=ON

bench:
	$(MAKE) build BUILD=build-bench CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Release -DQUILLET_BENCHMARKS=ON"
	bash bench/run.sh build-bench

# Start-up time to the mapped main menu, resident memory, and the time from Enter to a result.
bench-startup:
	$(MAKE) build BUILD=build-bench CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Release -DQUILLET_BENCHMARKS=ON"
	bash bench/startup/startup.sh build-bench

# Each fuzz target for FUZZ_SECONDS, one after another, in its own clang build.
fuzz: fuzz-deps
	cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DQUILLET_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

# clang and its libFuzzer runtime, which only `make fuzz` needs.
fuzz-deps:
	@bash scripts/install-deps.sh clang libclang-rt-dev

install: build
	cmake --install $(BUILD)

clean:
	rm -rf build build-sanitize build-bench build-fuzz
