# The headless tests of the Windows build, run under Wine. Wine takes seconds to
# start a program, so the test program runs once as a whole (one CTest test, each
# failing case named in its output) rather than once for each of its cases.
add_test(NAME verbodex_tests COMMAND verbodex_tests --gtest_brief=1)
set_tests_properties(verbodex_tests PROPERTIES TIMEOUT 1200)
