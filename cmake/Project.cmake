# Compiler settings and helpers shared by every target of the suite.

# Japanese narrow literals are Shift-JIS in memory, as all of the editor's multibyte text is.
add_compile_options(-Wall -Wextra -finput-charset=UTF-8 -fexec-charset=CP932)
# Win32 structures are zeroed with "= {sizeof s}"; the remaining members are meant to be zero.
add_compile_options(-Wno-missing-field-initializers)

if(TWIN_WINDOWS)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
    # No MinGW runtime DLLs at run time.
    add_link_options(-static -static-libgcc -static-libstdc++)
    set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
    enable_language(RC)
else()
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# Deliverables land together in bin/, laid out as an installation.
set(TWIN_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(TWIN_TEST_DIR ${CMAKE_BINARY_DIR}/tests-bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TWIN_TEST_DIR})

# twin_deliverable(target DESCRIPTION text [GUI]): puts the target in bin/ and gives it the
# version resource and the common-controls manifest.
function(twin_deliverable target)
    cmake_parse_arguments(ARG "" "DESCRIPTION" "" ${ARGN})
    get_target_property(kind ${target} TYPE)
    get_target_property(output ${target} OUTPUT_NAME)
    if(NOT output)
        set(output ${target})
    endif()
    if(kind STREQUAL "EXECUTABLE")
        set(TWIN_FILE_NAME "${output}.exe")
        set(TWIN_FILE_TYPE "VFT_APP")
        set(TWIN_MANIFEST_ID 1)
    else()
        set(TWIN_FILE_NAME "${output}.dll")
        set(TWIN_FILE_TYPE "VFT_DLL")
        set(TWIN_MANIFEST_ID 2)
    endif()
    set(TWIN_FILE_DESCRIPTION "${ARG_DESCRIPTION}")
    set(TWIN_MANIFEST "${PROJECT_SOURCE_DIR}/resources/common-controls.manifest")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set_target_properties(${target} PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${TWIN_BIN_DIR}
        LIBRARY_OUTPUT_DIRECTORY ${TWIN_BIN_DIR})
endfunction()
