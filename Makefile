# The two commands of the README, and a few for maintainers.
#   make run    install what is missing, build, start the atlas
#   make test   install what is missing, build, run every test (also under sanitizers)
#   make bench  build and run the benchmarks
JOBS ?= $(shell nproc)

.PHONY: deps build run test bench clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build -j $(JOBS)

run: build
	cd data && ../build/veltmaren

test: build
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVELTMAREN_SANITIZE=ON >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS)

bench: build
	build/veltmaren_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	rm -rf build build-asan
