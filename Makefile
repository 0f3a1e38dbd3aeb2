# Thin wrapper over CMake: `make run` and `make test` do all set-up on a fresh Debian 12.
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= $(HOME)/.local/opt/pinzola

.PHONY: setup configure build run test bench install uninstall clean

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@bash scripts/bench.sh $(BUILD)

install: build
	@bash scripts/install.sh $(BUILD) "$(PREFIX)"

uninstall:
	@bash scripts/uninstall.sh "$(PREFIX)"

clean:
	rm -rf $(BUILD)
