# make run          build Tintlet.exe and run it under Wine
# make test         build everything and the zip, and run every test under a private X server
# make bench        print the benchmark table
# make monkey       send 20,000 random real input events to the running program (SEED=n replays a run;
#                   DPI=n runs it at that system DPI, in a desktop prefix of its own: 144 with WINE=10
#                   scales the program by 1.5, while Wine 8 scales nothing)
# make install      install Tintlet for this Linux user: the launcher `tintlet` in PREFIX/bin (PREFIX is
#                   ~/.local unless given), the exe, a desktop menu entry and its icons in PREFIX/share;
#                   DESTDIR=dir puts them all under dir
# make uninstall    remove what make install wrote, and the launcher's Wine prefix
# make dist         pack the shipped Tintlet.exe and a readme into build/Tintlet-VERSION.zip, with the exe
#                   and SHA256SUMS beside it
# make wayland      measure what Tintlet reads in a Wayland session (weston with Xwayland, on Xvfb)
# make screenshots  regenerate the README's pictures in docs/ from the real program under Wine
# make clang        build everything a second time with clang and lld (build only, warnings are errors)
# make format       lay every C++ source out by .clang-format
# Each target installs whatever the machine is missing first. WINE=10 runs run, test, bench,
# monkey and screenshots under Debian 13's Wine 10 in place of this machine's Wine 8.

BUILD      ?= build
CLANG_DIR  := $(BUILD)/clang-i686
VERSION    := $(shell bash scripts/version.sh)
DIST_ZIP   := $(BUILD)/Tintlet-$(VERSION).zip
export TINTLET_BUILD := $(abspath $(BUILD))
export TINTLET_JOBS  ?= $(shell nproc)
# The build the tests run is decided by the scripts, after set-up, by starting a 32-bit
# program: the shipped i686 one where the kernel runs it, else x86_64.
# TEST_ARCH=i686|x86_64 asks for one.
ifneq ($(TEST_ARCH),)
export TINTLET_TEST_ARCH := $(TEST_ARCH)
endif
# WINE=10 runs the program, the tests, the benchmarks and the monkey under Debian 13's
# Wine 10, from a root made once per machine (scripts/wine-root.sh); the default, 8, is
# this Debian 12 machine's own.
ifneq ($(WINE),)
export TINTLET_WINE := $(WINE)
endif

.PHONY: all setup build run install uninstall wayland test bench monkey dist screenshots clang format clean

all: build

setup:
	@bash scripts/setup.sh all

build: setup
	@bash scripts/build.sh all

$(CLANG_DIR)/Makefile: CMakeLists.txt cmake/clang-mingw-toolchain.cmake Makefile
	cmake -S . -B $(CLANG_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/clang-mingw-toolchain.cmake -DTINTLET_ARCH=i686 \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DTINTLET_SHIPPED_EXE=$(TINTLET_BUILD)/i686/Tintlet.exe >/dev/null

# A run installs and builds only what running the program needs.
run:
	@bash scripts/setup.sh run
	@bash scripts/build.sh run
	@bash scripts/run.sh

DIST       := bash scripts/dist.sh $(BUILD)/i686/Tintlet.exe $(DIST_ZIP)

# An install builds only the program and the release's SHA256SUMS it checks the exe by.
install:
	@bash scripts/setup.sh install
	@bash scripts/build.sh run
	@$(DIST)
	@bash scripts/install.sh install

uninstall:
	@bash scripts/install.sh uninstall

wayland:
	@bash scripts/setup.sh wayland
	@bash scripts/build.sh run
	@$(DIST)
	@bash scripts/wayland.sh

dist: build
	@$(DIST)

test: dist
	@bash scripts/test.sh

bench: build
	@bash scripts/bench.sh

monkey: build
	@TINTLET_DPI=$(DPI) TINTLET_MONKEY_EVENTS=20000 TINTLET_MONKEY_SEED=$(SEED) bash scripts/test.sh -R '^Monkey\.' -V

screenshots: build
	@bash scripts/screenshots.sh docs

clang: setup $(CLANG_DIR)/Makefile
	cmake --build $(CLANG_DIR) -j $(TINTLET_JOBS)

format: setup
	@bash scripts/format.sh

clean:
	rm -rf $(BUILD)
