# make run   - install missing packages, build, start the game
# make test  - the same, then every test (the window tests under Xvfb)
# make bench - the computer's move search, timed

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean asan asan-gui

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./scripts/run-game.sh $(BUILD)/bin

test: build
	@JOBS=$(JOBS) ./scripts/run-tests.sh $(BUILD)

bench: build
	@$(BUILD)/bin/engine_bench --benchmark_counters_tabular=true

# The unit tests once more, under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DTREMAW_SANITIZE=ON -DTREMAW_GUI=OFF -DTREMAW_BENCH=OFF > /dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)
	@cd $(BUILD)-asan && ctest --output-on-failure -j $(JOBS)

# The window tests once under the same sanitizers, on a screen of their own.
# Leaks are not looked for here: GTK and its libraries keep memory to the end
# by design; the unit tests above check ours.
asan-gui: deps
	@cmake -S . -B $(BUILD)-asan-gui -DCMAKE_BUILD_TYPE=Debug -DTREMAW_SANITIZE=ON -DTREMAW_GUI=ON -DTREMAW_BENCH=OFF > /dev/null
	@cmake --build $(BUILD)-asan-gui -j $(JOBS) --target gui_tests
	@cd $(BUILD)-asan-gui/bin && ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy \
	  xvfb-run -a -s "-screen 0 1920x1080x24" ./gui_tests

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-asan-gui
