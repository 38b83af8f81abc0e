# Every file of the source and test trees has one home, decided here by its folder and name.
# A file that fits no rule stops the configure step: a new source can never silently drop
# out of the build (the globs are CONFIGURE_DEPENDS, so adding a file re-runs this).
# Files whose name starts with "." are not part of the trees (editor and tool files).

# Script mode (the routing's own test) cannot ask for a re-glob at build time.
if(CMAKE_SCRIPT_MODE_FILE)
  set(PINWRIGHT_GLOB_DEPENDS "")
else()
  set(PINWRIGHT_GLOB_DEPENDS CONFIGURE_DEPENDS)
endif()

set(PINWRIGHT_SOURCE_EXTENSIONS "\\.(c|cc|cxx|cpp|c\\+\\+|cppm|ixx|C)$")

# src/:
#   platform/qt/*.cpp, core/shell/*.cpp, boards/<family>/UI_*.cpp  -> the GUI library (Qt)
#   platform/*.cpp, core/{model,generate,settings}/*.cpp, cards/*.cpp,
#   every other boards/<family>/*.cpp                              -> the core library
#   *.h of those folders                                          -> headers
#   boards/README.md                                              -> how to add a board
function(pinwright_route_src root core_out gui_out)
  file(GLOB_RECURSE files ${PINWRIGHT_GLOB_DEPENDS} LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
  set(core_dirs "platform|core/model|core/generate|core/settings|cards|boards/[^/]+")
  set(gui_dirs "platform/qt|core/shell")
  set(core)
  set(gui)
  foreach(f IN LISTS files)
    get_filename_component(name ${f} NAME)
    if(name MATCHES "^\\.")
      continue()
    elseif(f MATCHES "^(${gui_dirs})/[^/]+\\.cpp$" OR f MATCHES "^boards/[^/]+/UI_[^/]+\\.cpp$")
      list(APPEND gui ${root}/${f})
    elseif(f MATCHES "^(${core_dirs})/[^/]+\\.cpp$")
      list(APPEND core ${root}/${f})
    elseif(f MATCHES "^(${core_dirs}|${gui_dirs})/[^/]+\\.h$" OR f STREQUAL "boards/README.md")
      # headers and the board guide
    else()
      message(FATAL_ERROR "src/${f} fits no build rule (see cmake/SourceRouting.cmake)")
    endif()
  endforeach()
  set(${core_out} ${core} PARENT_SCOPE)
  set(${gui_out} ${gui} PARENT_SCOPE)
endfunction()

# tests/ (only sources are routed; every other file is data the tests read):
#   support/*.cpp                   -> the test-support library
#   gui/*.cpp                       -> gui_tests
#   fuzz/*Fuzz.cpp                  -> one fuzz target each
#   any other folder's *.cpp        -> core_tests
#   a source in data/ or fuzz/corpus/, or with another extension than .cpp -> error
function(pinwright_route_tests root support_out core_out gui_out fuzz_out)
  file(GLOB_RECURSE files ${PINWRIGHT_GLOB_DEPENDS} LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
  set(support)
  set(core)
  set(gui)
  set(fuzz)
  foreach(f IN LISTS files)
    get_filename_component(name ${f} NAME)
    if(name MATCHES "^\\." OR NOT name MATCHES "${PINWRIGHT_SOURCE_EXTENSIONS}"
       OR f MATCHES "^fuzz/corpus/")
      continue()  # data: corpus inputs carry hash names, not extensions
    elseif(f MATCHES "^support/[^/]+\\.cpp$")
      list(APPEND support ${root}/${f})
    elseif(f MATCHES "^gui/[^/]+\\.cpp$")
      list(APPEND gui ${root}/${f})
    elseif(f MATCHES "^fuzz/[^/]+Fuzz\\.cpp$")
      list(APPEND fuzz ${root}/${f})
    elseif(f MATCHES "\\.cpp$" AND NOT f MATCHES "^(support|gui|fuzz|data)/")
      list(APPEND core ${root}/${f})
    else()
      message(FATAL_ERROR "tests/${f} fits no build rule (see cmake/SourceRouting.cmake)")
    endif()
  endforeach()
  set(${support_out} ${support} PARENT_SCOPE)
  set(${core_out} ${core} PARENT_SCOPE)
  set(${gui_out} ${gui} PARENT_SCOPE)
  set(${fuzz_out} ${fuzz} PARENT_SCOPE)
endfunction()
