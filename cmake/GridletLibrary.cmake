# gridlet_library(<name> [LINKS <targets>...])
# A static library of every .cpp file in the calling folder (not its sub-folders).
function(gridlet_library name)
    cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARG_LINKS})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${ARG_LINKS})
    endif()
endfunction()

# gridlet_test(<name> [LINKS <targets>...] [MAIN])
# One GoogleTest binary of every .cpp file in the calling folder.
function(gridlet_test name)
    cmake_parse_arguments(ARG "OWN_MAIN" "" "LINKS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    if(ARG_OWN_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest ${ARG_LINKS})
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main ${ARG_LINKS})
    endif()
    if(WIN32)
        # Under Wine: one process for the whole binary, since each start of Wine takes a while.
        add_test(NAME ${name} COMMAND ${name})
        return()
    endif()
    # The kept session and recent files of the tests' programs stay in the build folder, never
    # in the user's own.
    set(home ${PROJECT_BINARY_DIR}/test-home)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT
        "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=/tmp;XDG_STATE_HOME=${home}/state;XDG_CONFIG_HOME=${home}/config")
endfunction()
