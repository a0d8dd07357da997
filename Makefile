# For those who have make: each target is a task of ./build.sh, which the
# README's quick start uses directly (a fresh Debian has no make).
PREFIX ?= /usr/local

.PHONY: run test bench package qa install clean

run test bench package qa:
	@./build.sh $@

install:
	@./build.sh install $(PREFIX)

clean:
	rm -rf build
