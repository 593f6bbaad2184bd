# Two commands on a fresh Debian machine:
#   make run    installs what is missing, builds, starts tessara
#   make test   installs what is missing, builds, runs every test
BUILD   ?= build
TYPE    ?= RelWithDebInfo
CMAKE   ?= cmake
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test run run-editor lint fuzz package check-package install clean

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
	@$(BUILD)/app/tessara

run-editor: build
	@$(BUILD)/editor/ui/tessparams

# The include order of the layers, then clang-tidy and cppcheck over our
# code, with the checked-in configuration.
lint: configure
	@python3 scripts/check-layers.py
	@bash scripts/lint.sh $(BUILD)

# Every libFuzzer target for FUZZ_SECONDS each (clang, build-fuzz/).
FUZZ_SECONDS ?= 60
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)

# The .deb package (CPack) in $(BUILD)/.
package: build
	@cd $(BUILD) && cpack -G DEB

# Builds the .deb, installs it, starts each program as a throwaway user
# under Xvfb, purges it and checks that nothing is left (root or sudo).
check-package: build
	@bash scripts/check-package.sh $(BUILD)

# Installs into PREFIX (default /usr/local).
PREFIX ?= /usr/local
install: build
	@$(CMAKE) --install $(BUILD) --prefix $(PREFIX)

clean:
	@rm -rf $(BUILD) build-asan build-core build-fuzz
