# Set-up, build, run and test on Debian 12. `make run` starts the program, `make test` runs every test.

BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# What the build, the tests and the program need from Debian.
PACKAGES := cmake ninja-build g++ pkg-config \
	qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-odbc libqt6sql6-psql tdsodbc \
	qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-image-formats-plugins \
	libsqlite3-dev libfreexl-dev libquazip1-qt6-dev libxlsxwriter-dev libbenchmark-dev \
	fonts-noto-cjk

.PHONY: deps configure build run test bench clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/lanshi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	$(BUILD)/bin/bench_recordset

clean:
	rm -rf $(BUILD)
