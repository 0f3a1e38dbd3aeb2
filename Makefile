# Thin wrapper over CMake: `make run` and `make test` do all set-up on a fresh Debian 12.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# How long `make test` fuzzes each target: a smoke run; longer runs by hand.
TEST_FUZZ_SECONDS ?= 10
JOBS ?= $(shell nproc)
PREFIX ?= $(HOME)/.local/opt/pinzola

.PHONY: setup configure build run test test-asan fuzz bench install uninstall clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

# The whole suite: the normal build's tests (end-to-end included), the unit
# and window tests again under the sanitizers, then a short fuzzing run.
test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(TEST_FUZZ_SECONDS)

# The unit and window tests again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer (leaks included); any report fails the run.
# tests/lsan.supp lists leaks inside system libraries, never our own code.
test-asan: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPINZ_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) -E '^e2e_'

# libFuzzer (clang, ASan+UBSan) on every reader of outside data, FUZZ_SECONDS each.
fuzz: setup
	@FUZZ_SECONDS=$(FUZZ_SECONDS) JOBS=$(JOBS) bash scripts/fuzz.sh $(FUZZ_BUILD)

bench: build
	@bash scripts/bench.sh $(BUILD)

install: build
	@bash scripts/install.sh $(BUILD) "$(PREFIX)"

uninstall:
	@bash scripts/uninstall.sh "$(PREFIX)"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
