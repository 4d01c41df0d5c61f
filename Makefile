# make run          build Tintlet.exe and run it under Wine
# make test         build everything and the zip, and run every test under a private X server
# make bench        print the benchmark table
# make monkey       send 20,000 random real input events to the running program (SEED=n replays a run)
# make dist         pack the shipped Tintlet.exe and a readme for Windows users into build/Tintlet-VERSION.zip
# make screenshots  regenerate the README's pictures in docs/ from the real program under Wine
# make clang        build everything a second time with clang and lld (build only, warnings are errors)
# Each target installs whatever the machine is missing first.

BUILD      ?= build
SHIP_DIR   := $(BUILD)/i686
JOBS       ?= $(shell nproc)
TEST_ARCH  := $(shell bash -c '. scripts/wine-env.sh; tintlet_wine_arch')
TEST_DIR   := $(BUILD)/$(TEST_ARCH)
CLANG_DIR  := $(BUILD)/clang-i686
VERSION    := $(shell sed -n '/^project/s/.*VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
DIST_ZIP   := $(BUILD)/Tintlet-$(VERSION).zip

.PHONY: all setup build run test bench monkey dist screenshots clang clean

all: build

setup:
	@bash scripts/setup.sh

$(SHIP_DIR)/Makefile $(BUILD)/x86_64/Makefile: CMakeLists.txt cmake/mingw-toolchain.cmake Makefile
	cmake -S . -B $(dir $@) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-toolchain.cmake \
	  -DTINTLET_ARCH=$(notdir $(patsubst %/,%,$(dir $@))) \
	  -DTINTLET_SHIPPED_EXE=$(abspath $(SHIP_DIR))/Tintlet.exe \
	  -DTINTLET_DIST_ZIP=$(abspath $(DIST_ZIP)) >/dev/null

$(CLANG_DIR)/Makefile: CMakeLists.txt cmake/clang-mingw-toolchain.cmake Makefile
	cmake -S . -B $(CLANG_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/clang-mingw-toolchain.cmake -DTINTLET_ARCH=i686 \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DTINTLET_SHIPPED_EXE=$(abspath $(SHIP_DIR))/Tintlet.exe >/dev/null

build: setup $(SHIP_DIR)/Makefile $(TEST_DIR)/Makefile
	cmake --build $(SHIP_DIR) -j $(JOBS)
	cmake --build $(TEST_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(TEST_DIR)/Tintlet.exe

dist: build
	@bash scripts/dist.sh $(SHIP_DIR)/Tintlet.exe $(DIST_ZIP)

test: dist
	@bash scripts/test.sh $(TEST_DIR)

bench: build
	@bash scripts/bench.sh $(TEST_DIR)

monkey: build
	@TINTLET_MONKEY_EVENTS=20000 TINTLET_MONKEY_SEED=$(SEED) bash scripts/test.sh $(TEST_DIR) -R '^Monkey\.' -V

screenshots: build
	@bash scripts/screenshots.sh $(TEST_DIR) docs

clang: setup $(CLANG_DIR)/Makefile
	cmake --build $(CLANG_DIR) -j $(JOBS)

clean:
	rm -rf $(BUILD)
