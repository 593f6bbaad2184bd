# Two commands on a fresh Debian machine:
#   make run    installs what is missing, builds, starts tessara
#   make test   installs what is missing, builds, runs every test
BUILD   ?= build
TYPE    ?= RelWithDebInfo
CMAKE   ?= cmake
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test run run-editor clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@$(CMAKE) -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) >/dev/null

build: configure
	@$(CMAKE) --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	@if [ -x $(BUILD)/app/tessara ]; then \
	    $(BUILD)/app/tessara; \
	else \
	    echo "The tessara desktop program is not part of this build yet;"; \
	    echo "the core libraries and their tests are built in $(BUILD)/ (make test runs them)."; \
	fi

run-editor: build
	@$(BUILD)/editor/ui/tessparams

clean:
	@rm -rf $(BUILD) build-asan build-core
