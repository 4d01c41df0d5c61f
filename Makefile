# make run    build Tintlet.exe and run it under Wine
# make test   build everything and run every test under a private X server
# make bench  print the benchmark table
# Each target installs whatever the machine is missing first.

BUILD      ?= build
SHIP_DIR   := $(BUILD)/i686
JOBS       ?= $(shell nproc)
TEST_ARCH  := $(shell bash -c '. scripts/wine-env.sh; tintlet_wine_arch')
TEST_DIR   := $(BUILD)/$(TEST_ARCH)

.PHONY: all setup build run test bench clean

all: build

setup:
	@bash scripts/setup.sh

$(SHIP_DIR)/Makefile $(BUILD)/x86_64/Makefile: CMakeLists.txt cmake/mingw-toolchain.cmake
	cmake -S . -B $(dir $@) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-toolchain.cmake \
	  -DTINTLET_ARCH=$(notdir $(patsubst %/,%,$(dir $@))) \
	  -DTINTLET_SHIPPED_EXE=$(abspath $(SHIP_DIR))/Tintlet.exe >/dev/null

build: setup $(SHIP_DIR)/Makefile $(TEST_DIR)/Makefile
	cmake --build $(SHIP_DIR) -j $(JOBS)
	cmake --build $(TEST_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(TEST_DIR)/Tintlet.exe

test: build
	@bash scripts/test.sh $(TEST_DIR)

bench: build
	@bash scripts/bench.sh $(TEST_DIR)

clean:
	rm -rf $(BUILD)
