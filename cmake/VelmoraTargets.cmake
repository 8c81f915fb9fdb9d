# velmora_library(<folder> DEPS ...): the library target of one folder under src/, built from
# every .cpp in that folder.
function(velmora_library folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(target velmora_${folder})
  if(NOT sources)  # a folder of headers only
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# velmora_test(<folder> [NEEDS_DATA] DEPS ...): one GoogleTest binary per source folder, built from
# every .cpp in tests/<folder>/; NEEDS_DATA when its tests read the built data files.
function(velmora_test folder)
  cmake_parse_arguments(ARG "NEEDS_DATA" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target velmora_${folder}_tests)
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE
    VELMORA_DATA_DIR="${VELMORA_DATA_DIR}"
    VELMORA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  if(ARG_NEEDS_DATA)
    add_dependencies(${target} velmora_data)
  endif()
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
