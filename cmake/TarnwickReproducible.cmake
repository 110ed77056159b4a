# The same source gives the same program, byte for byte, wherever it is checked out and whenever
# it is built, so that anyone can check a release against its source (scripts/rebuild-test).
#
# Paths: __FILE__ and the debug information name files relative to the tree, not the folder
# someone cloned it into. Only C and C++: the resource compiler takes none of these options.
if(CMAKE_C_COMPILER_ID MATCHES "GNU|Clang")
  # The build folder as well, for one outside the tree; inside it, either prefix gives a path
  # relative to the tree.
  add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                      "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=./build>")
endif()

# Time: a PE header's time stamp is the link time unless told otherwise. Windows does not use it
# (debuggers match symbols by it, and the program ships without a PDB), so it is left at zero.
if(MINGW)
  add_link_options(-Wl,--no-insert-timestamp)
elseif(MSVC)
  # /Brepro: a hash of the output instead of the time, in the objects and in the PE header.
  add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:/Brepro>)
  add_link_options(/Brepro)
endif()
