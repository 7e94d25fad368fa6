PRESETS := linux linux-asan windows windows-x64 fuzz
XVFB := xvfb-run -a -s "-screen 0 1920x1080x24"

.PHONY: all setup build test dist dist-linux dist-windows dist-windows-x64 package run explore bench soak conformance fuzz format lint clean

all: build

setup:
	@scripts/setup

build: setup
	@for preset in $(PRESETS); do \
	  cmake --preset $$preset >/dev/null && \
	  cmake --build --preset $$preset || exit 1; \
	done

test: build
	$(XVFB) scripts/run-tests $(PRESETS)

dist: dist-linux dist-windows

# dist-windows-x64 is an install tree of the 64-bit test build, for trying
# it under 64-bit Wine; it never ships, so dist and package leave it out.
dist-linux dist-windows dist-windows-x64: dist-%: setup
	@rm -rf dist/$*
	@cmake --preset $* >/dev/null
	@cmake --build --preset $*
	@cmake --install build/$* >/dev/null
	@echo "dist/$* is ready"

# The installers players download: dist/zentrova_<version>_amd64.deb, and
# dist/Zentrova-<version>-setup.exe from a release build of the Windows
# client (docs/release.md); the windows build here has no client, so it
# makes no player installer.
package: setup
	@for preset in linux windows; do \
	  cmake --preset $$preset >/dev/null && \
	  cmake --build --preset $$preset || exit 1; \
	done
	@mkdir -p dist
	@rm -f dist/Zentrova-*-setup.exe
	@cp build/linux/packaging/linux/zentrova_*_amd64.deb dist/
	@if ls build/windows/packaging/windows/Zentrova-*-setup.exe >/dev/null 2>&1; then \
	  cp build/windows/packaging/windows/Zentrova-*-setup.exe dist/; \
	else \
	  echo "No Windows installer: the windows build has no game client" \
	       "without CEF_ROOT; docs/release.md builds one."; \
	fi
	@ls -l dist/*.deb $$(ls dist/*.exe 2>/dev/null)

run: dist-linux
	scripts/run-demo

# Every generated state of the player's data against the real client, with
# the invariants checked after each start (not a test; make test runs a
# sample). Needs root.
explore: setup
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux
	$(XVFB) build/linux/tests/explorer/ztv_explorer \
	  build/linux/client/game.ztv build/linux/tests/explorer/libztv_fault_shim.so

# The client against anchors of its own kind, side by side, over RUNS runs
# of each (not a test).
RUNS ?= 15
bench: setup
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux
	$(XVFB) build/linux/bench/ztv_bench build/linux/client/game.ztv \
	  build/linux/bench/ztv_bare_host build/linux/demo/ztv_demo_server \
	  build/linux/bench/ztv_reset_runner build/linux/launcher/ZTV \
	  build/linux/bench/ztv_time_probe $(RUNS)

# A whole evening of play on a page that plays hard, SOAK_MINUTES long, with
# the client's memory, descriptors, threads and processes sampled (not a
# test; make test runs a short one).
SOAK_MINUTES ?= 60
soak: setup
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux
	$(XVFB) build/linux/bench/ztv_soak build/linux/client/game.ztv \
	  build/linux/demo/ztv_demo_server $(SOAK_MINUTES)

# qtcef against CEF 3538's own unit tests, with their totals (not a test):
# CEFTESTS_DIR is the folder of the tool that builds and runs them, which
# this repository does not ship (see the README).
conformance: setup
	@test -n "$(CEFTESTS_DIR)" || \
	  { echo "usage: make conformance CEFTESTS_DIR=<folder of run.sh>"; exit 2; }
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux
	bash $(CEFTESTS_DIR)/run.sh $(CURDIR) build/linux

# Every fuzz target for FUZZ_SECONDS each, with its executions and findings
# (not a test; make test runs each one briefly).
FUZZ_SECONDS ?= 60
fuzz: setup
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/run-fuzz $(FUZZ_SECONDS)

# Every C++ file in the project's clang-format style (make test checks it).
format: setup
	@scripts/format

# clang-tidy over the product's code (CI runs it after the tests).
lint: setup
	@cmake --preset linux >/dev/null
	@cmake --build --preset linux
	@scripts/lint

clean:
	rm -rf build dist
