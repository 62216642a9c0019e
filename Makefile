# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test screenshots clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

# Builds and starts the program.
run: build
	$(BUILD)/kalyxteron

# Builds and runs the whole test suite (warnings are errors here).
test: deps
	@cmake -S . -B $(BUILD) -G Ninja -DKALYXTERON_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)
	cd $(BUILD) && ctest --output-on-failure

# Renders every screen to PNG files under build/screenshots.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/scripts/screenshots $(BUILD)/screenshots

clean:
	rm -rf $(BUILD)
