# Two commands for a fresh Debian machine:
#   make run   installs what is missing, builds, starts the program
#   make test  installs what is missing, builds under the sanitizers, runs every test
# Packages are installed only when missing (apt-get update runs only then).

PACKAGES := cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            libsqlite3-dev qt6-base-dev fonts-noto-cjk clang-format
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench format clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

run: build
	@echo "The desktop window comes later; here is the command-line program at work."
	./build/release/src/cli/zeruda-cli demo

test: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize

bench: build
	./build/release/bench/zeruda_bench

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
