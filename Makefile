# Entry points for a fresh Debian 12 machine: `make demo` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build demo test clean install

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	scripts/run-demo $(BUILD)

test: build
	scripts/run-tests $(BUILD)

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
