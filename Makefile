# The two commands of the README's quick start.
#   make run ARGS="file ..."   install what is missing, build, start Linkmint
#   make test                  install what is missing, build, run every test

BUILD_DIR ?= build
TSAN_DIR ?= build-tsan
JOBS ?= $(shell nproc)
# CI builds treat warnings as errors.
WERROR := $(if $(filter true 1 yes,$(CI)),ON,OFF)

.PHONY: run test deps configure build

# Without any display the window cannot open: say so and hash with the CLI.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM unset): running linkmint-cli instead of the window."; \
	  $(BUILD_DIR)/bin/linkmint-cli $(ARGS); \
	else \
	  $(BUILD_DIR)/bin/linkmint $(ARGS); \
	fi

# The worker's tests run once more under ThreadSanitizer, then everything.
test: build
	@cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLM_SANITIZE=thread -DLM_WERROR=$(WERROR) >/dev/null
	@cmake --build $(TSAN_DIR) -j $(JOBS) --target core_tests
	cd $(TSAN_DIR) && ctest --output-on-failure -L worker
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DLM_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)
