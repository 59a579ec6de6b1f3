# Everything a fresh Debian machine needs: `make run` opens the viewer (or renders the examples
# where there is no display), `make test` runs every test, normal and sanitized.

PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev librsvg2-bin poppler-utils \
            libgtest-dev libgmock-dev googletest libbenchmark-dev \
            clang-tidy cppcheck fonts-dejavu-core xvfb xauth x11-utils \
            xdotool imagemagick dpkg-dev desktop-file-utils xdg-utils libglib2.0-bin
SCREENSHOT_PACKAGES := xvfb x11-utils xdotool imagemagick
FUZZ_PACKAGES := clang libclang-rt-dev
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
BUILD ?= build
SANITIZED_BUILD ?= build-sanitized
BENCH_BUILD ?= build-bench
RELEASE_BUILD ?= build-release
PACKAGE_PACKAGES := dpkg-dev desktop-file-utils xdg-utils libglib2.0-bin
JOBS ?= $(shell nproc)
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps build test test-normal test-sanitized lint run render-examples golden screenshot \
        install package clean bench fuzz release

all: build

deps:
	@missing=""; for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRIX_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

test-normal: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300

test-sanitized: deps
	cmake -S . -B $(SANITIZED_BUILD) -DCMAKE_BUILD_TYPE=Debug -DOMBRIX_WERROR=ON -DOMBRIX_SANITIZE=ON
	cmake --build $(SANITIZED_BUILD) -j $(JOBS)
	cd $(SANITIZED_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	    UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS) --timeout 600

# clang-tidy and cppcheck over the sources, as errors.
lint: build
	scripts/static_analysis.sh $(BUILD)

test: test-normal lint package test-sanitized

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -x $(BUILD)/bin/ombrix ]; then \
	    cd examples && ../$(BUILD)/bin/ombrix; \
	else \
	    echo "No display here: rendering the examples with ombrix-render into out/ instead."; \
	    $(MAKE) --no-print-directory render-examples; \
	fi

render-examples: build
	@mkdir -p out
	@for f in examples/*.obx; do \
	    n=$$(basename $$f .obx); \
	    $(BUILD)/bin/ombrix-render $$f -o out/$$n.png > /dev/null && echo "out/$$n.png"; \
	done

# Rewrites the checked-in traces after a deliberate change of what the examples draw.
golden: build
	tests/golden/regenerate.sh $(BUILD)/bin/ombrix-render

# Remakes docs/screenshot.png from the real window under Xvfb.
screenshot:
	$(MAKE) --no-print-directory build EXTRA_PACKAGES="$(SCREENSHOT_PACKAGES)"
	scripts/screenshot.sh $(BUILD)/bin/ombrix docs/screenshot.png

# The redraw benchmark in a release build; its last lines are the ratios scripts read.
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target redraw_benchmark ombrix
	$(BENCH_BUILD)/bin/redraw_benchmark $(BENCH_ARGS)

# libFuzzer targets under AddressSanitizer and UBSan, each run for FUZZ_SECONDS.
fuzz:
	$(MAKE) --no-print-directory deps EXTRA_PACKAGES="$(FUZZ_PACKAGES)"
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRIX_FUZZ=ON \
	    -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target line_parser_fuzz load_redraw_fuzz \
	    macro_library_fuzz qt_canvas_fuzz
	scripts/run_fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The programs alone, in a release build: no tests, warnings not as errors.
release: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target ombrix ombrix-render ombrix-check \
	    ombrix_macro_library

install: release
	cmake --install $(RELEASE_BUILD) $(if $(PREFIX),--prefix $(PREFIX))

# A Debian package of the release build, checked: its contents, that its dependencies resolve,
# that the programs run from the unpacked tree, and that the desktop knows its files.
package:
	$(MAKE) --no-print-directory release EXTRA_PACKAGES="$(PACKAGE_PACKAGES)"
	cd $(RELEASE_BUILD) && cpack -G DEB > /dev/null
	tests/package_test.sh $(RELEASE_BUILD)/ombrix_*.deb $(CURDIR)

clean:
	rm -rf $(BUILD) $(SANITIZED_BUILD) $(BENCH_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD) out
