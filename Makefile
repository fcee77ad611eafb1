# Shorthands for the scripts, for those who have make; the scripts need only
# bash and apt-get.
BUILD ?= build

.PHONY: deps build demo test package install clean

deps:
	scripts/install-deps

build:
	scripts/build $(BUILD)

demo:
	scripts/demo $(BUILD)

test:
	scripts/test $(BUILD)

package: build
	cd $(BUILD) && cpack -G DEB

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
