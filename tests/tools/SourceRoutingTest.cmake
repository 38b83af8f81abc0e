# The build routing of cmake/SourceRouting.cmake over small trees: where each file goes, and
# that a file fitting no rule stops the configure step.
#   cmake -DROUTING=<SourceRouting.cmake> -DWORK=<scratch folder> -P SourceRoutingTest.cmake
# Called with -DTREE=<folder> -DKIND=src|tests it only routes that tree (the failing cases run
# this way in a child process).
include(${ROUTING})

if(DEFINED TREE)
  if(KIND STREQUAL "src")
    pinwright_route_src(${TREE} core gui)
  else()
    pinwright_route_tests(${TREE} support core gui fuzz)
  endif()
  return()
endif()

function(make_tree root)
  file(REMOVE_RECURSE ${root})
  foreach(f IN LISTS ARGN)
    file(WRITE ${root}/${f} "")
  endforeach()
endfunction()

function(expect_list what actual root)
  set(expected)
  foreach(f IN LISTS ARGN)
    list(APPEND expected ${root}/${f})
  endforeach()
  list(SORT actual)
  list(SORT expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${what}:\n  got      ${actual}\n  expected ${expected}")
  endif()
endfunction()

function(expect_refused kind root stray)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROUTING=${ROUTING} -DTREE=${root} -DKIND=${kind}
                          -P ${CMAKE_CURRENT_LIST_FILE}
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(rc EQUAL 0 OR NOT err MATCHES "${stray} fits no build rule")
    message(FATAL_ERROR "${stray} was not refused (rc ${rc}): ${err}")
  endif()
endfunction()

# Every file of a board folder goes to the core library except the forms; headers, the board
# guide and hidden files are no sources.
set(src ${WORK}/src)
make_tree(${src}
  platform/Errors.cpp platform/Errors.h platform/qt/QtPlatform.cpp
  core/model/Pin.cpp core/generate/SystemBuild.cpp core/settings/ConfigBoard.cpp core/shell/UnitMain.cpp
  cards/D_GPIO_DEFAULT.cpp
  boards/README.md boards/cyclone5_max10/CONFIG_Glenmarch.cpp boards/cyclone5_max10/ConfigPressel.cpp
  boards/cyclone5_max10/UI_GLENMARCH.cpp boards/cyclone5_max10/UI_GLENMARCH.h
  boards/cyclone5_max10/BBB_PinOut.cpp boards/stratix5/EXTRA_S5.cpp boards/stratix5/.EXTRA_S5.cpp.swp)
pinwright_route_src(${src} core gui)
expect_list("core library" "${core}" ${src}
  platform/Errors.cpp core/model/Pin.cpp core/generate/SystemBuild.cpp core/settings/ConfigBoard.cpp
  cards/D_GPIO_DEFAULT.cpp boards/cyclone5_max10/CONFIG_Glenmarch.cpp boards/cyclone5_max10/ConfigPressel.cpp
  boards/cyclone5_max10/BBB_PinOut.cpp boards/stratix5/EXTRA_S5.cpp)
expect_list("GUI library" "${gui}" ${src}
  platform/qt/QtPlatform.cpp core/shell/UnitMain.cpp boards/cyclone5_max10/UI_GLENMARCH.cpp)

foreach(stray boards/Loose.cpp boards/stratix5/sub/CONFIG_X.cpp boards/stratix5/CONFIG_X.cc
              core/Other.cpp cards/notes.txt boards/stratix5/README.md assets/x.cpp)
  make_tree(${src} core/model/Pin.cpp ${stray})
  expect_refused(src ${src} "src/${stray}")
endforeach()

# Tests: sources by folder, data anywhere.
set(tests ${WORK}/tests)
make_tree(${tests}
  support/ModelQuery.cpp support/ModelQuery.h support/test_rcdata.list
  gui/ShellTest.cpp fuzz/BoardRecordFuzz.cpp fuzz/corpus/00b63bc9 fuzz/CMakeLists.txt
  boards/UlvarinDefinitionTest.cpp model/PinTest.cpp hdl/benches/bench_tasks.vh data/generate/top.qsf
  tools/SourceRoutingTest.cmake)
pinwright_route_tests(${tests} support core gui fuzz)
expect_list("test support" "${support}" ${tests} support/ModelQuery.cpp)
expect_list("core tests" "${core}" ${tests} boards/UlvarinDefinitionTest.cpp model/PinTest.cpp)
expect_list("GUI tests" "${gui}" ${tests} gui/ShellTest.cpp)
expect_list("fuzz targets" "${fuzz}" ${tests} fuzz/BoardRecordFuzz.cpp)

foreach(stray data/Oops.cpp fuzz/Helper.cpp model/PinTest.cc)
  make_tree(${tests} model/PinTest.cpp ${stray})
  expect_refused(tests ${tests} "tests/${stray}")
endforeach()

file(REMOVE_RECURSE ${WORK})
