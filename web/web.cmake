# The game for a browser page, built with Emscripten from the same sources as the desktop's
# program (emcmake cmake -S . -B build-web; scripts/web.sh does it all). What the page does
# otherwise is its platform, src/platform/web/, and the page's own files beside this one. No tests,
# benchmarks or tools are built here: the pictures and sounds are drawn by the generator
# built for this machine (a native build of the generator alone, in native/), and packed
# into the page's data.
include(ExternalProject)

set(QUORVANE_NATIVE ${CMAKE_BINARY_DIR}/native)
set(QUORVANE_PAGE ${CMAKE_BINARY_DIR}/page)
find_program(QUORVANE_HOST_CMAKE cmake PATHS /usr/bin NO_DEFAULT_PATH)
ExternalProject_Add(native_art
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${QUORVANE_NATIVE}
  CMAKE_COMMAND ${QUORVANE_HOST_CMAKE}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=OFF
  BUILD_COMMAND ${QUORVANE_HOST_CMAKE} --build ${QUORVANE_NATIVE} --target assets
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${QUORVANE_NATIVE}/bin/data/.generated)

# The game, on the page's platform.
add_executable(quorvane src/shell/program.cpp ${QUORVANE_SOURCES} ${QUORVANE_SELFPLAY_SOURCES}
  src/platform/web/platform.cpp)
target_include_directories(quorvane PRIVATE src)
target_link_libraries(quorvane PRIVATE quorvane_catalog)
add_dependencies(quorvane native_art)
set_target_properties(quorvane PROPERTIES
  SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${QUORVANE_PAGE}
  LINK_DEPENDS ${QUORVANE_NATIVE}/bin/data/.generated)
# The blocking loops and modal waits of the game stay as they are (ASYNCIFY). The pictures
# land under /data, decoded by the game as it loads them (STB_IMAGE: quicker than handing
# the browser three hundred small pictures first), and the sounds under the player's
# folder, decoded by the browser's audio as the game loads them. The player's folder is
# kept in the browser's storage by the page's script (web/page.js), which the game tells
# when it changed a file there.
target_link_options(quorvane PRIVATE
  -sASYNCIFY
  -sALLOW_MEMORY_GROWTH
  -sEXIT_RUNTIME=1
  -sENVIRONMENT=web
  -sEXPORTED_RUNTIME_METHODS=ENV,FS
  -sSTB_IMAGE=1
  -sEXPORTED_FUNCTIONS=_main,_malloc,_free,_stbi_load,_stbi_load_from_memory,_stbi_image_free
  "SHELL:--preload-file ${QUORVANE_NATIVE}/bin/data@/data"
  "SHELL:--exclude-file */.generated"
  "SHELL:--preload-file ${QUORVANE_NATIVE}/bin/sounds@/quorvane/sounds")

# The page's own files: its HTML and script, the worker that keeps it for playing offline
# and its manifest, all stamped with the build (web/stamp.cmake), and the game's icons.
set(QUORVANE_ICONS ${QUORVANE_NATIVE}/icons/hicolor)
add_custom_command(TARGET quorvane POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${QUORVANE_ICONS}/32x32/apps/quorvane.png ${QUORVANE_PAGE}/icon.png
  COMMAND ${CMAKE_COMMAND} -E copy ${QUORVANE_ICONS}/128x128/apps/quorvane.png ${QUORVANE_PAGE}/icon-128.png
  COMMAND ${CMAKE_COMMAND} -E copy ${QUORVANE_ICONS}/256x256/apps/quorvane.png ${QUORVANE_PAGE}/icon-256.png)
# Stamped at every build: the page's own files change without the game.
add_custom_target(page ALL
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}/web -DPAGE=${QUORVANE_PAGE} -P ${CMAKE_SOURCE_DIR}/web/stamp.cmake
  DEPENDS quorvane ${CMAKE_SOURCE_DIR}/web/index.html ${CMAKE_SOURCE_DIR}/web/page.js ${CMAKE_SOURCE_DIR}/web/sw.js
          ${CMAKE_SOURCE_DIR}/web/manifest.webmanifest)
