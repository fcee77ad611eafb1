# The warnings every target of ours is built with: the program's libraries,
# the tests, the tools, the benchmark and the fuzz targets (fuzz/ is a
# project of its own and includes this file too). Qt's and the system's
# headers come in through -isystem and stay out of it. The test command adds
# -Werror through CMAKE_COMPILE_WARNING_AS_ERROR (scripts/build --werror).
add_compile_options(-Wall -Wextra -Wshadow)
