# Our own code builds clean with these.
add_library(krv_warnings INTERFACE)
target_compile_options(krv_warnings INTERFACE -Wall -Wextra)
