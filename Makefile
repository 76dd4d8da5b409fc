# The two commands: `make run` plays the demo game in a window, `make test`
# runs every test. Both install what is missing and build first.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)

.PHONY: all deps configure build program run install test test-asan test-fuzz bench clean

all: build

deps:
	@tools/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

# Just the game: the program, its data root and icon, none of the tests.
program: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target program

run: program
	cd $(BUILD)/game && ../kroxl

# make install PREFIX=DIR (DESTDIR is honoured for packages). The umask keeps
# the folders it makes readable by all, whatever the caller's umask.
PREFIX ?= /usr/local
install: program
	umask 022 && cmake --install $(BUILD) --prefix $(PREFIX)

# The trees make test configures treat warnings as errors (the player's
# build of make run does not: a newer compiler's new warning must not stop it).
test: CMAKE_OPTIONS += -DKROXL_WERROR=ON
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600
	$(MAKE) test-asan
	$(MAKE) test-fuzz

# Every test once more in a second tree built with AddressSanitizer and
# UndefinedBehaviorSanitizer (UBSan halts on its first finding). -O1 keeps the
# build and the run short; the benchmarks are not built there.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
	  -DKROXL_ASAN=ON -DKROXL_BENCH=OFF -DKROXL_WERROR=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 1200

# Every libFuzzer target runs a short, fixed number of inputs in a third tree
# built with clang; without clang they are skipped. The long run is in
# docs/reliability.md.
test-fuzz: build
	@if fuzz/have-libfuzzer; then \
	  CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DKROXL_FUZZ=ON -DKROXL_BENCH=OFF -DKROXL_WERROR=ON -DKROXL_FUZZ_GAME_DIR=$(CURDIR)/$(BUILD)/game && \
	  cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets && \
	  cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS) -R '^fuzz\.' --timeout 600; \
	else echo "test-fuzz: no clang with libFuzzer here, the fuzz targets are skipped"; fi

bench: build
	for b in $(BUILD)/bench/*; do $$b; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
