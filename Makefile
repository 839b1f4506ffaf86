# Tessara: the two commands of a fresh Debian machine are `make run` and
# `make test`; everything they need is installed by scripts/install-deps.sh.
OUT ?= out
BUILD := $(OUT)/build
JOBS ?= $(shell nproc)
ROOT := $(CURDIR)
CONFIGURE = cmake -S . -B $(BUILD)/$(1) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	-DTESSARA_OUT_DIR=$(abspath $(OUT))/$(2) $(3) > /dev/null
# One Wine template per work tree, whatever OUT is: every test copies it.
export TESSARA_WINE_TEMPLATE ?= $(ROOT)/out/wine-template

.PHONY: all deps build build-native build-windows dist test test-native test-windows test-dist run screenshots bench clean

all: build

deps:
	@scripts/install-deps.sh

# Native library, native library under sanitizers, and the two Windows builds.
build: deps build-native build-windows

build-native:
	$(call CONFIGURE,linux,linux,)
	cmake --build $(BUILD)/linux -j $(JOBS)
	$(call CONFIGURE,linux-sanitize,linux-sanitize,-DTESSARA_SANITIZE=ON)
	cmake --build $(BUILD)/linux-sanitize -j $(JOBS)

build-windows: build-native
	$(call CONFIGURE,win64,win64,-DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-w64-x86_64.cmake \
		-DTESSARA_NATIVE_GRID=$(abspath $(BUILD))/linux/bin/tessara_grid)
	cmake --build $(BUILD)/win64 -j $(JOBS)
	$(call CONFIGURE,win32,win32,-DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/mingw-w64-i686.cmake)
	cmake --build $(BUILD)/win32 -j $(JOBS)

# Installers, portable archives and their checksums, under $(OUT)/dist.
dist: deps build-windows
	@scripts/make-dist.sh $(OUT)

test: build dist
	@scripts/run-tests.sh $(BUILD) $(OUT)

# The release packages alone: installed, started and uninstalled under Wine.
test-dist: dist
	scripts/with-display.sh sh -c 'scripts/wine-template.sh "$$TESSARA_WINE_TEMPLATE" && \
		scripts/test-dist.sh $(OUT)'

# The native tests alone: seconds, for the edit-compile-test loop.
test-native: deps build-native
	ctest --test-dir $(BUILD)/linux --output-on-failure -j $(JOBS)
	ctest --test-dir $(BUILD)/linux-sanitize --output-on-failure -j $(JOBS)

test-windows: deps build-windows
	scripts/with-display.sh sh -c 'scripts/wine-template.sh "$$TESSARA_WINE_TEMPLATE" && \
		ctest --test-dir $(BUILD)/win64 --output-on-failure -j $(JOBS) && \
		ctest --test-dir $(BUILD)/win32 --output-on-failure'

run: deps build-windows
	@scripts/run-program.sh $(OUT)

# PNG files of the main window, the About box and every form that can be
# opened, in the three languages, under $(OUT)/screens.
screenshots: deps build-windows
	@scripts/take-screenshots.sh $(OUT)

bench: deps
	$(call CONFIGURE,linux-bench,linux-bench,-DCMAKE_BUILD_TYPE=Release -DTESSARA_BENCH=ON -DTESSARA_TESTS=OFF)
	cmake --build $(BUILD)/linux-bench -j $(JOBS)
	@scripts/run-bench.sh $(BUILD)/linux-bench

clean:
	rm -rf $(OUT)
