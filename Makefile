# The two commands of the README. Everything else goes through CMake presets.
.PHONY: demo test

demo:
	scripts/run-demo.sh

test:
	scripts/run-tests.sh
