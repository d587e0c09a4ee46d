# make run       - install missing packages, build, start the game
# make test      - the same, then every test (the window tests under Xvfb)
# make bench     - the computer's move search, the start-up, the memory and
#                  idle wake-ups of a running game and the animation's pace,
#                  measured
# make install   - install the game under PREFIX (default /usr/local; DESTDIR
#                  for a staging directory)
# make uninstall - remove what the install with the same PREFIX and DESTDIR
#                  put in place, and the directories it created

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

# No "Entering directory" lines from the makes that cmake runs.
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build run test bench clean asan asan-gui install uninstall format-check

all: build

deps:
	@./scripts/install-deps.sh

# The first configure of a build tree shows what it finds (it takes a while on
# a fresh machine); later ones are quiet.
quiet_once = $(if $(wildcard $(1)/CMakeCache.txt),> /dev/null)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) $(call quiet_once,$(BUILD))

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./scripts/run-game.sh $(BUILD)/bin

test: build
	@JOBS=$(JOBS) ./scripts/run-tests.sh $(BUILD)

bench: build
	@$(BUILD)/bin/engine_bench --benchmark_counters_tabular=true
	@SDL_AUDIODRIVER=dummy ./scripts/with-xvfb.sh 1920x1080 \
	  sh -c '$(BUILD)/bin/startup_bench && $(BUILD)/bin/animation_bench'

# A tree built before is only brought up to date (no new configure), so that
# "sudo make install" after "make run" leaves the build directory as it was.
# The install keeps the list of what it put in place in the installed tree
# itself (share/tremaw/installed-files.txt), so that "make uninstall" with
# the same PREFIX and DESTDIR needs no build directory. A relative DESTDIR
# counts from this directory.
STAGE = $(if $(DESTDIR),$(abspath $(DESTDIR)))
install: $(if $(wildcard $(BUILD)/CMakeCache.txt),,configure)
	@cmake --build $(BUILD) -j $(JOBS)
	@DESTDIR="$(STAGE)" cmake --install $(BUILD) --prefix $(PREFIX) --strip

uninstall:
	@packaging/uninstall.sh "$(abspath $(DESTDIR)$(PREFIX))"

# The unit tests once more, under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	@cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DTREMAW_SANITIZE=ON -DTREMAW_GUI=OFF -DTREMAW_BENCH=OFF $(call quiet_once,$(BUILD)-asan)
	@cmake --build $(BUILD)-asan -j $(JOBS)
	@cd $(BUILD)-asan && ctest --output-on-failure -j $(JOBS)

# make fuzz - the readers and the game flow under libFuzzer (clang, ASan+UBSan),
# each target FUZZ_SECONDS long from its seed corpus in fuzz/.
.PHONY: fuzz
FUZZ_SECONDS ?= 20
FUZZ_FLAGS = -fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer -fno-sanitize-recover=undefined
fuzz: deps
	@cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_FLAGS="$(FUZZ_FLAGS)" -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DTREMAW_FUZZ=ON -DTREMAW_GUI=OFF -DTREMAW_BENCH=OFF -DTREMAW_WERROR=OFF $(call quiet_once,$(BUILD)-fuzz)
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzz_targets
	@./fuzz/run.sh $(BUILD)-fuzz/bin $(FUZZ_SECONDS)

# The window tests once under the same sanitizers, on a screen of their own.
# Leaks are not looked for here: GTK and its libraries keep memory to the end
# by design; the unit tests above check ours.
asan-gui: deps
	@cmake -S . -B $(BUILD)-asan-gui -DCMAKE_BUILD_TYPE=Debug -DTREMAW_SANITIZE=ON -DTREMAW_GUI=ON -DTREMAW_BENCH=OFF $(call quiet_once,$(BUILD)-asan-gui)
	@cmake --build $(BUILD)-asan-gui -j $(JOBS) --target gui_tests
	@cd $(BUILD)-asan-gui/bin && ASAN_OPTIONS=detect_leaks=0 SDL_AUDIODRIVER=dummy \
	  $(CURDIR)/scripts/with-xvfb.sh 1920x1080 ./gui_tests

# The sources as .clang-format lays them out.
format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-asan-gui $(BUILD)-fuzz
