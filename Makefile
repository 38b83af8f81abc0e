# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test release-core fuzz-replay clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/pinwright

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory release-core
	@$(MAKE) --no-print-directory fuzz-replay

# The core as a Release build compiles it (-O3 warns differently), warnings still errors.
release-core: deps
	@cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DPINWRIGHT_GUI=OFF -DPINWRIGHT_TESTS=OFF >/dev/null
	@cmake --build build-release -j $(JOBS) >build-release.log 2>&1 || { cat build-release.log; exit 1; }
	@echo "The core builds in Release."

# Replays the fuzz corpus under the sanitizers; scripts/fuzz.sh SECONDS fuzzes for longer.
fuzz-replay: deps
	@bash scripts/fuzz.sh >/dev/null 2>build-fuzz.log || { cat build-fuzz.log; exit 1; }
	@echo "Fuzz corpus replayed cleanly under ASan and UBSan."

clean:
	rm -rf $(BUILD_DIR) build-fuzz build-fuzz.log build-release build-release.log
