# Entry points: `make run` and `make test` do all the set-up on a fresh Debian 12 machine.
BUILD_DIR := build
JOBS ?= 2
CMAKE_CONFIGURE = cmake -S . -G Ninja -Wno-dev

.PHONY: run test lint test-sanitize screenshots package bench deps configure build fuzz

run: build
	scripts/run.sh $(BUILD_DIR)

test: build
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
# those with the on-screen keyboard come from a real window.
screenshots: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -R '^(tst_screenshots|e2e_onscreen_keyboard)$$'

# A Debian package of the program, in $(BUILD_DIR).
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
	scripts/install-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || $(CMAKE_CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)
