# GoogleTest from Debian's source package, built with our own flags for either target.
set(TWIN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${TWIN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# GoogleTest's own sources are not ours to keep warning-clean.
foreach(lib gtest gtest_main gmock gmock_main)
    if(TARGET ${lib})
        target_compile_options(${lib} PRIVATE -w)
    endif()
endforeach()
include(GoogleTest)

# twin_add_test(name sources... LIBS libs... [LOCK resource]): one test executable, each case its own
# CTest test. Discovery runs at test time, so building never needs Wine. Tests that share a LOCK
# (the editor's own registry key, say) never run at the same time.
function(twin_add_test name)
    cmake_parse_arguments(ARG "" "LOCK" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
    set(lock "")
    if(ARG_LOCK)
        set(lock RESOURCE_LOCK ${ARG_LOCK})
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
        PROPERTIES TIMEOUT 120 ${lock})
endfunction()
