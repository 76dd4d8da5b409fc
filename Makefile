# The two commands: `make run` plays the demo game in a window, `make test`
# runs every test. Both install what is missing and build first.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-asan test-fuzz bench clean

all: build

deps:
	@tools/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/game && ../kroxl

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600
	$(MAKE) test-asan
	$(MAKE) test-fuzz

# The readers of untrusted files run once more under AddressSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKROXL_ASAN=ON -DKROXL_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target gfx_tests sys_tests
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -R '^(gfx_tests|sys_tests):' --timeout 600

# Every libFuzzer target runs a short, fixed number of inputs in a third tree
# built with clang; without clang they are skipped. The long run is in
# docs/reliability.md.
test-fuzz: build
	@if fuzz/have-libfuzzer; then \
	  CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DKROXL_FUZZ=ON -DKROXL_BENCH=OFF -DKROXL_FUZZ_GAME_DIR=$(CURDIR)/$(BUILD)/game && \
	  cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets && \
	  cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS) -R '^fuzz\.' --timeout 600; \
	else echo "test-fuzz: no clang with libFuzzer here, the fuzz targets are skipped"; fi

bench: build
	for b in $(BUILD)/bench/*; do $$b; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
