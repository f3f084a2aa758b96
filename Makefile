# SPDX-FileCopyrightText: 2026 The prime-intervals authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
BUILD ?= build
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps configure build run test test-sanitizers bench install package screenshot clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/prime-intervals

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitizers

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in its own build.
test-sanitizers: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The benchmarks, in a Release build: prints the table and the targets, draws docs/bench.png.
bench: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCHMARKS=ON \
		-DBUILD_TESTING=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	bench/run $(RELEASE_BUILD)

# `make install PREFIX=/usr DESTDIR=/tmp/stage` stages the installed tree under DESTDIR.
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The .deb, written into $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

# docs/screenshot.png, from the real window under Xvfb.
screenshot: build
	scripts/screenshot $(BUILD)/prime-intervals docs/screenshot.png

clean:
	rm -rf $(BUILD)
