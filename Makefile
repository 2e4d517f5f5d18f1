# SPDX-License-Identifier: MIT
# The targets behind the README's quick start (./linkmint-dev installs make
# first, then runs these).
#   make run ARGS="file ..."   install what building needs, build, start Linkmint
#   make test                  install that and the test tools, build, run every
#                              test (plain, sanitizers, bounded fuzzing, the install)
#   make test-plain            only the plain build's tests
#   make install               install into PREFIX (/usr/local), under DESTDIR if set
#   make deb                   build/linkmint_<version>_<arch>.deb and
#                              build/linkmint-cli_<version>_<arch>.deb
#   make test-install          install into a scratch folder, validate it, build
#                              the packages and run lintian on them

BUILD_DIR ?= build
TSAN_DIR ?= build-tsan
ASAN_DIR ?= build-asan
LM_ASAN_OPTIONS := detect_leaks=1
LM_LSAN_OPTIONS := suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0
LM_UBSAN_OPTIONS := print_stacktrace=1:halt_on_error=1
LM_TSAN_OPTIONS := second_deadlock_stack=1
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
# CI builds treat warnings as errors.
WERROR := $(if $(filter true 1 yes,$(CI)),ON,OFF)

.PHONY: run test test-plain test-asan test-tsan fuzz test-install install deb deps test-deps configure build

# The plain build has its tests whenever a test target builds it; run,
# install and deb leave that as it is (on a fresh tree, without GoogleTest,
# the programs are built alone).
test test-plain test-install: TESTING := -DBUILD_TESTING=ON

# Without any display the window cannot open: say so and hash with the CLI.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset): running linkmint-cli instead of the window."; \
	  $(BUILD_DIR)/bin/linkmint-cli $(ARGS); \
	else \
	  $(BUILD_DIR)/bin/linkmint $(ARGS); \
	fi

# Every suite: the plain build, the whole suite again under AddressSanitizer
# and UndefinedBehaviorSanitizer, the worker and window tests under
# ThreadSanitizer, a bounded run of every fuzzer, and the installed tree and
# the Debian package.
test: test-plain test-asan test-tsan fuzz test-install

test-plain: test-deps build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan: test-deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLM_SANITIZE="address;undefined" -DLM_WERROR=$(WERROR) >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && ASAN_OPTIONS=$(LM_ASAN_OPTIONS) LSAN_OPTIONS=$(LM_LSAN_OPTIONS) UBSAN_OPTIONS=$(LM_UBSAN_OPTIONS) ctest --output-on-failure -j $(JOBS)

# Qt itself is not instrumented: its own threads synchronise in ways the
# sanitizer cannot see, so the window tests ignore what happens inside it.
test-tsan: test-deps
	@cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLM_SANITIZE=thread -DLM_WERROR=$(WERROR) >/dev/null
	@cmake --build $(TSAN_DIR) -j $(JOBS)
	cd $(TSAN_DIR) && TSAN_OPTIONS="$(LM_TSAN_OPTIONS)" ctest --output-on-failure -L worker
	cd $(TSAN_DIR) && TSAN_OPTIONS="$(LM_TSAN_OPTIONS) die_after_fork=0 ignore_noninstrumented_modules=1" ctest --output-on-failure -L window

fuzz: test-deps
	scripts/run-fuzzers

# Reuses the plain build: installs it into a scratch DESTDIR, checks the tree
# with the desktop's validators and man, runs the installed programs, then
# builds the two packages, lists them and runs lintian on them.
test-install: test-deps build
	scripts/test-install $(BUILD_DIR)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

deb: build
	cd $(BUILD_DIR) && cpack -G DEB

# What building and running need; the test targets add the test tools.
deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DLM_WERROR=$(WERROR) $(TESTING) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)
