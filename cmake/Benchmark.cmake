# Benchmarks: optimised native programs without sanitizers, built apart from the sanitizer build's
# flags, and run together by the `bench` target, which prints their figures.
if(NOT TWIN_WINDOWS AND NOT TARGET bench)
    add_custom_target(bench)
endif()

# twin_add_benchmark(name sources... [FLAGS compiler flags...]): sources are compiled in one go with -O2.
function(twin_add_benchmark name)
    if(TWIN_WINDOWS)
        return()
    endif()
    cmake_parse_arguments(PARSE_ARGV 1 BENCH "" "" "FLAGS")
    set(program ${CMAKE_BINARY_DIR}/bench-bin/${name})
    set(includes "")
    foreach(dir ${PROJECT_SOURCE_DIR}/document/text ${PROJECT_SOURCE_DIR}/document ${PROJECT_SOURCE_DIR}/engine
        ${PROJECT_SOURCE_DIR}/view/layout)
        list(APPEND includes -I${dir})
    endforeach()
    add_custom_command(OUTPUT ${program}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bench-bin
        COMMAND ${CMAKE_CXX_COMPILER} -std=c++17 -O2 -DNDEBUG -finput-charset=UTF-8 -fexec-charset=CP932
            ${includes} ${BENCH_FLAGS} ${BENCH_UNPARSED_ARGUMENTS} -o ${program}
        DEPENDS ${BENCH_UNPARSED_ARGUMENTS}
        COMMENT "Building benchmark ${name}"
        VERBATIM)
    add_custom_target(${name} DEPENDS ${program})
    add_custom_target(run_${name} COMMAND ${program} DEPENDS ${name} USES_TERMINAL)
    add_dependencies(bench run_${name})
endfunction()
