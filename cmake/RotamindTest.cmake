# rotamind_add_test(<name> SOURCES <files...> LIBS <targets...> [GUI] [RUNNER <script>])
#
# One test program, registered with CTest under <name>. Plain tests use
# GoogleTest; GUI tests use Qt Test and run on the offscreen platform so that
# they need no display. With RUNNER, CTest runs the bash script with the
# program's path as its argument, for tests that need a setting up the
# program cannot do itself; the script's exit code 77 counts as a skip.
find_package(GTest REQUIRED)

function(rotamind_add_test name)
    cmake_parse_arguments(ARG "GUI" "RUNNER" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE rotamind_common ${ARG_LIBS})
    # In the sanitizer build a test runs through a wrapper that repeats it once
    # when only the leak check's own tracer crashed at exit (see lsan-retry.sh).
    set(run ${name})
    if(ROTAMIND_SANITIZE)
        set(run bash ${PROJECT_SOURCE_DIR}/cmake/lsan-retry.sh $<TARGET_FILE:${name}>)
    endif()
    if(ARG_GUI)
        target_link_libraries(${name} PRIVATE Qt6::Test Qt6::Widgets)
        add_test(NAME ${name} COMMAND ${run})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
    elseif(ARG_RUNNER)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        add_test(NAME ${name} COMMAND bash ${ARG_RUNNER} $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
    else()
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
        add_test(NAME ${name} COMMAND ${run})
    endif()
    # No test ever touches the user's own data (the session archive) or
    # settings: each test's data and configuration folders lie in the build tree.
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
        "XDG_DATA_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}-data"
        "XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}-config"
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
