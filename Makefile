# Entry points: `make run` and `make test` do all the set-up on a fresh Debian 12 machine.
# With ARCH=arm64 or ARCH=armhf, `make build`, `make test` and `make package` cross-build for that
# ARM architecture in build/<arch>, and the tests run under emulation.
HOST_BUILD_DIR := build
JOBS ?= 2
CMAKE_CONFIGURE = cmake -S . -G Ninja -Wno-dev
ifeq ($(ARCH),)
BUILD_DIR := $(HOST_BUILD_DIR)
else ifneq ($(filter arm64 armhf,$(ARCH)),)
BUILD_DIR := $(HOST_BUILD_DIR)/$(ARCH)
# The build machine's own build gives the tools that run at build time.
CROSS_CONFIGURE = $(CMAKE_CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	--toolchain cmake/toolchain-$(ARCH).cmake -DTOVIMAR_HOST_BUILD_DIR=$(CURDIR)/$(HOST_BUILD_DIR)
else
$(error ARCH is arm64, armhf or empty for this machine's own, not "$(ARCH)")
endif

.PHONY: run test lint test-sanitize screenshots package bench deps configure build fuzz

run: build
	scripts/run.sh $(BUILD_DIR)

test: build
ifneq ($(ARCH),)
	@# The emulated package's main screen is held against the build machine's program.
	cmake --build $(HOST_BUILD_DIR) --target tovimar -j $(JOBS)
endif
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# qmllint over every QML document and clang-format over every C++ file: either finding anything
# fails.
lint: build
	cmake --build $(BUILD_DIR) --target all_qmllint
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake --preset sanitize -Wno-dev
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# Pictures of every screen, menu and dialog, in English and Russian, into $(BUILD_DIR)/screenshots;
# those with the on-screen keyboard come from a kiosk's panel.
screenshots: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -R '^(tst_screenshots|handheld_kiosk_.*)$$'

# A Debian package of the program, in $(BUILD_DIR): tovimar_<version>_<architecture>.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

bench: deps
	$(CMAKE_CONFIGURE) -B $(BUILD_DIR)/bench-release -DCMAKE_BUILD_TYPE=Release \
		-DTOVIMAR_BUILD_TESTS=OFF -DTOVIMAR_BUILD_BENCHMARKS=ON
	cmake --build $(BUILD_DIR)/bench-release -j $(JOBS)
	scripts/run-benchmarks.sh $(BUILD_DIR)/bench-release

# Each fuzz target for FUZZ_SECONDS (2 minutes unless given), one after the other.
fuzz: deps
	$(CMAKE_CONFIGURE) -B $(BUILD_DIR)/fuzzers -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++-14 -DTOVIMAR_FUZZ=ON -DTOVIMAR_BUILD_TESTS=OFF
	cmake --build $(BUILD_DIR)/fuzzers -j $(JOBS)
	fuzz/run.sh $(BUILD_DIR)/fuzzers $(or $(FUZZ_SECONDS),120) \
		list_file catalogue_file settings_file plain_scanner

deps:
	scripts/install-deps.sh $(ARCH)

configure: deps
	@test -f $(HOST_BUILD_DIR)/build.ninja || \
		$(CMAKE_CONFIGURE) -B $(HOST_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifneq ($(ARCH),)
	@test -f $(BUILD_DIR)/build.ninja || $(CROSS_CONFIGURE)
endif

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)
