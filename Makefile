# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps configure build run test install package screenshot clean

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
