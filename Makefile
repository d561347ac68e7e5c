# Commands for a fresh Debian machine:
#   make run      installs what is missing, builds, starts the program
#   make test     installs what is missing, builds under the sanitizers, runs every test
#                 (the threaded ones once more under ThreadSanitizer)
#   make install  builds and installs both programs under PREFIX (/usr/local)
#   make package  builds the Debian package build/release/zeruda_*.deb
#   make web      builds the browser edition into build/web/site (any static server)
# Packages are installed only when missing (apt-get update runs only then).

PACKAGES := cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
            libsqlite3-dev libcurl4-openssl-dev qt6-base-dev qt6-svg-dev qt6-qpa-plugins \
            qt6-translations-l10n fonts-noto-cjk xvfb xauth clang-format dpkg-dev file
# The browser edition: Emscripten for the module, the native tools it builds with;
# its tests drive Debian's Chromium from node (puppeteer-core comes from npm).
WEB_PACKAGES := cmake g++ make libsqlite3-dev emscripten nodejs brotli zopfli
WEB_TEST_PACKAGES := chromium python3
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
INSTALLED := zeruda zeruda-cli zeruda-cli-manpage

.PHONY: all deps web-deps web-test-deps almanac-test-deps build run test bench install package web format clean

all: build

# $(call install_missing,PACKAGES): installs those of PACKAGES that are not installed.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

web-deps:
	$(call install_missing,$(WEB_PACKAGES))

# puppeteer-core at the version tests/wasm/package-lock.json names; it drives the
# Chromium installed above and never downloads a browser of its own.
web-test-deps:
	$(call install_missing,$(WEB_TEST_PACKAGES))
	@command -v npm >/dev/null || $(SUDO) apt-get install -y npm  # nodejs may carry its own
	@[ -d tests/wasm/node_modules/puppeteer-core ] || npm ci --prefix tests/wasm --no-audit --no-fund

# lunar-javascript at the version tests/almanac/package-lock.json names: the almanac's
# traditional keys are checked against it.
almanac-test-deps:
	@command -v npm >/dev/null || $(SUDO) apt-get install -y npm
	@[ -d tests/almanac/node_modules/lunar-javascript ] || npm ci --prefix tests/almanac --no-audit --no-fund

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# The window needs a display. Without one (a bare server, an ssh session) it runs on
# a virtual X display when xvfb-run is there, and says so; otherwise it stops with a
# plain message instead of Qt's abort.
run: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target zeruda
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ] || [ -n "$$QT_QPA_PLATFORM" ]; then \
	  ./build/release/src/gui/zeruda; \
	elif command -v xvfb-run >/dev/null 2>&1; then \
	  echo "No display found: starting the window on a virtual display (xvfb-run)."; \
	  echo "It runs unseen; close it with Ctrl+C."; \
	  xvfb-run -a -s "-screen 0 1280x800x24" ./build/release/src/gui/zeruda; \
	else \
	  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty): the window cannot open."; \
	  echo "Run 'make run' from a desktop session, or install xvfb to run it unseen."; \
	  exit 1; \
	fi

# Then the programs that run threads, again under ThreadSanitizer (only they are built).
test: deps web web-test-deps almanac-test-deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS)
	ctest --preset tsan
	@if command -v clang++ >/dev/null 2>&1; then $(MAKE) --no-print-directory fuzz-smoke; \
	else echo "clang++ is not installed: the fuzz targets are not run (make fuzz installs it)"; fi

# Only what is installed is built; sudo only when the prefix is not writable.
install: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target $(INSTALLED)
	@if mkdir -p "$(PREFIX)" 2>/dev/null && [ -w "$(PREFIX)" ]; then \
	  cmake --install build/release --prefix "$(PREFIX)"; \
	else \
	  $(SUDO) cmake --install build/release --prefix "$(PREFIX)"; \
	fi

package: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target $(INSTALLED)
	cd build/release && cpack
	@ls build/release/zeruda_*.deb

# The browser edition: the build-time tools natively, then the core with Emscripten.
web: web-deps
	cmake --preset web-host
	cmake --build --preset web-host -j $(JOBS)
	cmake --preset web
	cmake --build --preset web -j $(JOBS)
	@echo "The site is in build/web/site; serve it with: python3 -m http.server -d build/web/site"

bench: build
	./build/release/bench/zeruda_bench

format:
	find src tests bench tools -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build

# ---- Fuzzing (tests/fuzz) -------------------------------------------------------
# The libFuzzer targets need clang and its runtime, installed for the fuzz part only.
#   make fuzz          runs each target FUZZ_SECONDS (default 300) and sums up
#   make fuzz-smoke    runs each a few seconds (what `make test` does when clang++ is there)
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_SECONDS ?= 300
FUZZ_LOG := build/fuzz/Testing/Temporary/LastTest.log

.PHONY: fuzz fuzz-deps fuzz-smoke

fuzz-deps:
	$(call install_missing,$(FUZZ_PACKAGES))

# $(call fuzz_run,SECONDS): builds the targets, runs each for SECONDS, sums up.
define fuzz_run
	cmake --preset fuzz -DZERUDA_FUZZ_SECONDS=$(1)
	cmake --build --preset fuzz -j $(JOBS)
	ctest --preset fuzz; status=$$?; \
	grep -E '^[0-9]+/[0-9]+ Test|^Done [0-9]+ runs|^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+.*(DONE|INITED)' \
	  $(FUZZ_LOG) | sed 's/^/  /'; exit $$status
endef

fuzz: deps fuzz-deps
	$(call fuzz_run,$(FUZZ_SECONDS))

fuzz-smoke: fuzz-deps
	$(call fuzz_run,4)
# ---- end of fuzzing ---------------------------------------------------------------
