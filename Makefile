# Quick start: `make run` builds and starts the game, `make test` builds and
# runs every test. Each installs the Debian packages it lacks first.
BUILD ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE ?= cmake

.PHONY: all configure build run test bench install package pictures clean

all: build

configure:
	@scripts/deps.sh build
	@$(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null

build: configure
	@$(CMAKE) --build $(BUILD) -j$(JOBS)

run:
	@scripts/deps.sh run
	@$(MAKE) --no-print-directory configure
	@$(CMAKE) --build $(BUILD) -j$(JOBS) --target corvanthelix
	@scripts/run.sh $(BUILD)/src/app/corvanthelix

test:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench:
	@scripts/deps.sh bench
	@$(MAKE) --no-print-directory build
	@bench/run.sh $(BUILD)

install: build
	@$(CMAKE) --install $(BUILD) --prefix $(PREFIX)

package: build
	@cd $(BUILD) && cpack -G DEB

pictures:
	@$(CMAKE) --build $(BUILD) --target pictures

clean:
	rm -rf $(BUILD)
