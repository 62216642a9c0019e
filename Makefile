# SPDX-FileCopyrightText: 2026 The Kalyxteron authors
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
WINDOWS_BUILD ?= build-windows
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-quick test-sanitize fuzz fuzz-long screenshots contact-sheet docs-screenshots package bench clean \
	windows test-windows windows-qt windows-screenshots test-debian13

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD)

# Builds and starts the program.
run: build
	$(BUILD)/kalyxteron

# Builds and runs the whole test suite (warnings are errors here).
test: deps
	@cmake -S . -B $(BUILD) -G Ninja -DKALYXTERON_WERROR=ON $(CMAKE_FLAGS)
	@cmake --build $(BUILD)
	cd $(BUILD) && ctest --output-on-failure
	@$(MAKE) --no-print-directory fuzz

# The quick tiers alone, for a developer between two changes: the logic and the screens, on the
# offscreen platform (about a minute); `make test` runs every tier.
test-quick: deps
	@cmake -S . -B $(BUILD) -G Ninja -DKALYXTERON_WERROR=ON $(CMAKE_FLAGS)
	@cmake --build $(BUILD)
	cd $(BUILD) && ctest --output-on-failure -L 'unit|screens'

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer; all but the Debian
# package's tests, since the package is a Release build of its own without the sanitizers.
test-sanitize: deps
	@cmake -S . -B build-sanitize -G Ninja -DKALYXTERON_WERROR=ON -DKALYXTERON_SANITIZE=ON
	@cmake --build build-sanitize
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -LE package

# A short fuzz pass over the reading of typed numbers (libFuzzer, clang).
fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKALYXTERON_FUZZ=ON -DKALYXTERON_SANITIZE=ON
	@cmake --build build-fuzz --target fuzz_numeric
	cd build-fuzz && ctest -R fuzz --output-on-failure

# A few minutes of fuzzing (millions of executions), with its final statistics.
fuzz-long: fuzz
	mkdir -p build-fuzz/corpus-long
	build-fuzz/tests/fuzz/fuzz_numeric -max_total_time=240 -max_len=40000 -print_final_stats=1 \
		build-fuzz/corpus-long tests/fuzz/corpus

# Renders every screen to PNG files under build/screenshots: as opened, at double scale, as
# windows on a 1024 by 768 desktop and on a 1024 by 600 netbook, and maximised on a 1920 by
# 1080 panel.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD)/tools/screenshots $(BUILD)/screenshots/scale-2x
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots $(BUILD)/screenshots/desktop-1024x768 --desktop 1024x768
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots $(BUILD)/screenshots/netbook-1024x600 --desktop 1024x600
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots $(BUILD)/screenshots/maximised-1920x1080 --maximised 1920x1080

# Renders every picture at the size it is shown into build/contact-sheet.png.
contact-sheet: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/contactsheet $(BUILD)/contact-sheet.png

# Refreshes the screenshots the README shows, under docs/screenshots; the on-screen pads, opened
# by touch, at the design size and on a 3840 by 2160 panel.
docs-screenshots: build
	rm -f docs/screenshots/*.png docs/screenshots/netbook-1024x600/*.png docs/screenshots/maximised-1920x1080/*.png \
		docs/screenshots/panel-3840x2160/*.png
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots docs/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots docs/screenshots/netbook-1024x600 --desktop 1024x600
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots docs/screenshots/maximised-1920x1080 --maximised 1920x1080
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots docs/screenshots --touch
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots docs/screenshots/panel-3840x2160 --touch --maximised 3840x2160

# Builds the Debian package, build-package/kalyxteron_<version>_<architecture>.deb: a Release
# build of its own with Debian's compiler and linker flags (hardening included).
package: deps
	scripts/build-package build-package

# The README's `make test` from a clean clone of what is committed, in a Debian 13 root of its
# own with no network (made once with debootstrap and kept in ~/.cache/kalyxteron), then the
# package built here (in PACKAGE_FOLDER, build-package by default) installed there by apt into a
# fresh copy of the root and started on an X server. Needs root (or sudo).
PACKAGE_FOLDER ?= build-package
test-debian13: build
	@scripts/install-deps --debian13
	scripts/build-package $(PACKAGE_FOLDER)
	scripts/test-debian13 $(PACKAGE_FOLDER)

# Measures start-up and memory against a plain Qt window, hand-overs, a right answer and
# printing; and, once `make windows` has built it, the Windows program under Wine, its packages'
# sizes and its build times. Not a test: it prints figures. RUNS=n sets how many start-ups of each.
RUNS ?= 20
bench: build
	tools/bench/run $(BUILD) $(RUNS) $(if $(wildcard $(WINDOWS_BUILD)/kalyxteron.exe),$(WINDOWS_BUILD))

# Windows 10/11 x86-64, cross-built here with MinGW-w64 against a Qt for Windows built from
# Debian's qt6-base sources (about half an hour the first time, then cached outside the tree).
# Leaves build-windows/kalyxteron.exe, Kalyxteron-<version>-x64.msi and its portable zip.
windows:
	@scripts/install-deps --windows
	@scripts/build-windows $(WINDOWS_BUILD)

# Builds the Windows tests too and runs them under Wine: the Qt Test programs offscreen, and the
# MSI installed, used, printed from and removed in a fresh Wine prefix on an X server.
test-windows: windows
	@scripts/build-windows $(WINDOWS_BUILD) all
	cd $(WINDOWS_BUILD) && $(CURDIR)/tools/x11/with-xvfb ctest --output-on-failure

# Prints where the Qt for Windows is installed (building it first if it is not there yet).
windows-qt:
	@scripts/install-deps --windows
	@scripts/build-qt-windows

# The screens of the Windows program as Wine shows them, under docs/screenshots/windows.
windows-screenshots: windows
	@scripts/build-windows $(WINDOWS_BUILD) screenshots
	scripts/windows-screenshots $(WINDOWS_BUILD) docs/screenshots/windows

clean:
	rm -rf $(BUILD)
