# The two commands of the README's quick start.
#   make run ARGS="file ..."   install what is missing, build, start Linkmint
#   make test                  install what is missing, build, run every test

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# CI builds treat warnings as errors.
WERROR := $(if $(filter true 1 yes,$(CI)),ON,OFF)

.PHONY: run test deps configure build

run: build
	$(BUILD_DIR)/bin/linkmint-cli $(ARGS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DLM_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)
