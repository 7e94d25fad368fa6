PRESETS := linux linux-asan windows
XVFB := xvfb-run -a -s "-screen 0 1920x1080x24"

.PHONY: all setup build test dist run clean

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

dist: setup
	@rm -rf dist
	@for preset in linux windows; do \
	  cmake --preset $$preset >/dev/null && \
	  cmake --build --preset $$preset && \
	  cmake --install build/$$preset >/dev/null || exit 1; \
	done
	@echo "dist/linux and dist/windows are ready"

run: dist
	scripts/run-demo

clean:
	rm -rf build dist
