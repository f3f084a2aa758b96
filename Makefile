# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The commands of the README: `make run`, `make test` and `make web`, and the others below. Each
# target first installs what it is missing, and only that: `make run` and a plain `make` what
# building and running need, `make test` also what the tests run, `make bench`, `make package` and
# `make screenshot` each their own tools (scripts/install-deps).
BUILD ?= build
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
WINDOWS_BUILD ?= build-windows
WEB_BUILD ?= build-web
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The toolchain file only on the first configure: CMake keeps it, and warns when it is given again.
WINDOWS_CONFIGURE = cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	$(if $(wildcard $(WINDOWS_BUILD)/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake)

.PHONY: all build program run test test-sanitizers bench install package release screenshot \
	format format-check clean
.PHONY: windows test-windows screenshot-windows
.PHONY: web test-web screenshot-web
# emscripten's toolchain through emcmake, only on the first configure, as for Windows. emcc finds
# Debian's acorn and its other JavaScript modules through NODE_PATH, also under a Node.js that
# is not Debian's.
WEB_ENV = NODE_PATH=/usr/share/nodejs$(if $(NODE_PATH),:$(NODE_PATH))
WEB_CONFIGURE = $(if $(wildcard $(WEB_BUILD)/CMakeCache.txt),,emcmake) cmake -S . -B $(WEB_BUILD) \
	-DCMAKE_BUILD_TYPE=Release

all: build

# The program and its tests. Installs what building them needs (the program's set and doctest's
# one header): the tools the tests run come with `make test`.
build:
	@scripts/install-deps build
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)

# Only the program: a teacher waits for one target, not for the tests.
program:
	@scripts/install-deps run
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS) --target prime-intervals

run: program
	$(BUILD)/prime-intervals

# A build without its tests (no Qt Test) fails here rather than passing with nothing run. The
# browser page's tests (tests/web/) open the page that `make web` builds.
test:
	@scripts/install-deps test
	@$(MAKE) --no-print-directory test-web
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure --no-tests=error \
		-j $(JOBS)
	@$(MAKE) --no-print-directory test-windows
	@$(MAKE) --no-print-directory test-sanitizers

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in its own build.
test-sanitizers:
	@scripts/install-deps test
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(ASAN_BUILD) --output-on-failure --no-tests=error \
		-j $(JOBS)

# The Windows program, cross-compiled with MinGW-w64 into $(WINDOWS_BUILD): prime-intervals.exe,
# the portable .zip and the installer. Needs neither Qt nor Wine, and builds no test.
windows:
	@scripts/install-deps windows
	$(WINDOWS_CONFIGURE) -DBUILD_TESTING=OFF
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@ls -1 $(WINDOWS_BUILD)/win32/prime-intervals.exe $(WINDOWS_BUILD)/prime-intervals-*-windows-x64.zip \
		$(WINDOWS_BUILD)/prime-intervals-*-windows-x64-setup.exe

# The same build with its tests, run under Wine: the window, the .exe's resources, the .zip and
# the installer. Part of `make test`.
test-windows:
	@scripts/install-deps test
	$(WINDOWS_CONFIGURE) -DBUILD_TESTING=ON
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	ctest --test-dir $(WINDOWS_BUILD) --output-on-failure --no-tests=error -j $(JOBS)

# The browser page, compiled with emscripten into $(WEB_BUILD): one self-contained file,
# prime-intervals.html, to open from a disk or any web server.
web:
	@scripts/install-deps web
	$(WEB_ENV) $(WEB_CONFIGURE)
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target page
	@ls -l $(WEB_BUILD)/prime-intervals.html

# The page, and the logic's doctest suite compiled to WebAssembly as the page is, run under
# Node.js. Part of `make test`, whose Linux build then drives the page in Chromium, Firefox and
# WebKit (tests/web/).
test-web:
	@scripts/install-deps test
	$(WEB_ENV) $(WEB_CONFIGURE) -DBUILD_TESTING=ON
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS)
	ctest --test-dir $(WEB_BUILD) --output-on-failure --no-tests=error -j $(JOBS)

# The benchmarks, in a Release build: prints the table and the targets, draws docs/bench.png; then
# the page of `make web` in each browser engine against the same run's native figures (with the
# facts the page's tests read: the operations, how a time is written); then the same clicks in
# every window, the Windows one under Wine driven by the fixture of its tests.
bench:
	@scripts/install-deps bench
	@$(MAKE) --no-print-directory web
	$(WEB_ENV) cmake --build $(WEB_BUILD) -j $(JOBS) --target page-facts
	$(WINDOWS_CONFIGURE) -DBUILD_TESTING=ON
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target win32_clicks
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCHMARKS=ON \
		-DBUILD_TESTING=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	bench/run $(RELEASE_BUILD) $(WEB_BUILD)/prime-intervals.html \
		$(WINDOWS_BUILD)/tests/win32/win32_clicks.exe

# `make install PREFIX=/usr DESTDIR=/tmp/stage` stages the installed tree under DESTDIR.
install: program
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The .deb, written into $(BUILD); $(BUILD)/deb-file-name names it.
package:
	@scripts/install-deps package
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB

# Every file of a release, built from the commit checked out into dist/: the .deb, the Windows .zip
# and installer, the page, the source archive, and SHA256SUMS over them, checked. The same commit
# gives the same bytes on every machine with the same Debian (scripts/release).
release:
	@scripts/install-deps release
	scripts/release

# docs/screenshot.png, from the real window under Xvfb.
screenshot:
	@scripts/install-deps screenshot
	$(CONFIGURE)
	cmake --build $(BUILD) -j $(JOBS) --target prime-intervals
	scripts/screenshot $(BUILD)/prime-intervals docs/screenshot.png

# docs/screenshot-windows.png, from the Windows program under Wine on Xvfb.
screenshot-windows:
	@scripts/install-deps screenshot-windows
	$(WINDOWS_CONFIGURE) -DBUILD_TESTING=OFF
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target prime-intervals
	scripts/screenshot-windows $(WINDOWS_BUILD)/win32/prime-intervals.exe docs/screenshot-windows.png

# docs/screenshot-web.png, from the page in headless Chromium (WEB_ENGINE=firefox or webkit for
# another engine); with WIDTH=360, as on a phone, docs/screenshot-web-phone.png.
screenshot-web: web
	@scripts/install-deps screenshot-web
	scripts/screenshot-web $(WEB_BUILD)/prime-intervals.html \
		docs/screenshot-web$(if $(WIDTH),-phone).png

# The C++ sources under the tree's .clang-format; Debian 12's clang-format is the reference.
# `make format-check` changes nothing and fails where a file is not formatted (CI runs it).
CXX_SOURCES = $(shell git ls-files '*.cpp' '*.h' '*.h.in')
format:
	@scripts/install-deps format
	clang-format -i $(CXX_SOURCES)

format-check:
	@scripts/install-deps format
	clang-format --dry-run --Werror $(CXX_SOURCES)

# Every build folder the targets above make.
clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD)
	rm -rf $(WINDOWS_BUILD) $(WEB_BUILD) build-dist
