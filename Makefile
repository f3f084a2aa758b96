# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clean

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

clean:
	rm -rf $(BUILD)
