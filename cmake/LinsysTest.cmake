include(GoogleTest)

# linsys_add_test(<name> SOURCES <files...> LIBS <libraries...>)
# One test executable linked with GoogleTest and the shared test support;
# every test case is registered with CTest on its own.
function(linsys_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "TZ=Europe/Moscow;LC_ALL=ru_RU.UTF-8;QT_QPA_PLATFORM=offscreen")
endfunction()

# linsys_add_gui_test(<name> SOURCES <files...> LIBS <libraries...>)
# A test of real widgets: its main creates the QApplication, on the offscreen
# platform unless QT_QPA_PLATFORM says otherwise.
function(linsys_add_gui_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support gui_test_main GTest::gtest Qt6::Widgets)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "TZ=Europe/Moscow;LC_ALL=ru_RU.UTF-8;QT_QPA_PLATFORM=offscreen")
endfunction()
