# The image libraries and GoogleTest, cross-built by tools/build-deps into one
# prefix per architecture under QUORLE_DEPS_ROOT, found through CMake's own find
# modules and package configs. Everything links statically: the programs ship as
# three files and must not need a libpng or zlib DLL beside them.

set(QUORLE_DEPS_ROOT "${CMAKE_SOURCE_DIR}/build/deps" CACHE PATH
  "Cross-built libpng, libjpeg-turbo, libtiff, giflib and GoogleTest, shared by every build folder")

if(NOT CMAKE_SYSTEM_NAME STREQUAL "Windows" OR NOT CMAKE_SYSTEM_PROCESSOR MATCHES "^(i686|x86_64)$")
  message(FATAL_ERROR "Configure with -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake (the programs) "
                      "or cmake/mingw-x86_64.cmake (the test flavour)")
endif()

set(QUORLE_DEPS_PREFIX "${QUORLE_DEPS_ROOT}/${CMAKE_SYSTEM_PROCESSOR}/prefix")

# A build folder configured by hand still gets its libraries: build-deps returns at
# once when they are there, and waits for another builder holding its lock.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QUORLE_DEPS_ROOT=${QUORLE_DEPS_ROOT}
          bash ${CMAKE_SOURCE_DIR}/tools/build-deps ${CMAKE_SYSTEM_PROCESSOR} ${QUORLE_DEPS_PREFIX}
  RESULT_VARIABLE quorle_deps_result)
if(NOT quorle_deps_result EQUAL 0)
  message(FATAL_ERROR "tools/build-deps ${CMAKE_SYSTEM_PROCESSOR} failed")
endif()

list(PREPEND CMAKE_PREFIX_PATH ${QUORLE_DEPS_PREFIX})
list(PREPEND CMAKE_FIND_ROOT_PATH ${QUORLE_DEPS_PREFIX})
# Static archives only: MinGW also ships import libraries (libz.dll.a), which
# would make the programs depend on DLLs nobody copies.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(TIFF REQUIRED)
find_package(GIF REQUIRED)

# A static libtiff does not bring its codecs' libraries along.
set_property(TARGET TIFF::TIFF APPEND PROPERTY INTERFACE_LINK_LIBRARIES JPEG::JPEG ZLIB::ZLIB)

add_library(quorle_image_deps INTERFACE)
target_link_libraries(quorle_image_deps INTERFACE TIFF::TIFF PNG::PNG JPEG::JPEG GIF::GIF ZLIB::ZLIB)

if(QUORLE_TESTS)
  find_package(GTest REQUIRED CONFIG)
endif()
